#pragma once

#include <QListWidget>
#include <optional>

class QAction;

namespace selvika {

// `List2`, the usul list that `Mn_Usul` drops over the drawing area: the 56
// usul captions in code order. Any mouse press closes it; the item under the
// pointer becomes the current usul and the caption of `Mn_Usul`.
class UsulListesi : public QListWidget {
public:
    UsulListesi(QAction& Mn_Usul, QWidget* üst);

    void aç();
    void List2_Click();
    // Chooses the usul of a code, as a click on its entry would; nothing
    // clears the choice.
    void seç(std::optional<int> usul);
    std::optional<int> seçilenUsul() const { return seçilen_; }

protected:
    void mousePressEvent(QMouseEvent* olay) override;
    void focusOutEvent(QFocusEvent* olay) override;

private:
    QAction& Mn_Usul_;
    const QString menüBaşlığı_;
    // Kept apart from the current row, which focus alone may set.
    std::optional<int> seçilen_;
};

}  // namespace selvika
