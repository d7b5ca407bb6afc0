#pragma once

#include <QWidget>

namespace selvika {

// "Yardım": the keys, the four modes and a short how-to, from the help page
// kept among the program's resources.
class YardımPenceresi : public QWidget {
public:
    explicit YardımPenceresi(QWidget* üst);
};

// Shows the help window of `üst`, made on first use.
void yardımıGöster(QWidget& üst);

}  // namespace selvika
