#pragma once

#include <QGuiApplication>

namespace selvika::cli {

// Drawing text needs a GUI application; without a display it runs on the
// offscreen platform. It lives as long as the command that draws.
class EkransızUygulama {
public:
    EkransızUygulama();

private:
    int argc_;
    char ad_[12] = "selvika-cli";
    char* argv_[2] = {ad_, nullptr};
    QGuiApplication uygulama_;
};

}  // namespace selvika::cli
