#pragma once

class QCoreApplication;

namespace selvika {

// Qt's own texts (the standard buttons, the file and font dialogs) in
// Turkish, from the translations that come with Qt; false when they are
// not installed, and the texts stay in English.
bool qtÇevirileriniYükle(QCoreApplication& uygulama);

}  // namespace selvika
