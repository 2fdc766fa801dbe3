// kestrel-screenshots FOLDER: takes the screenshots of the README into FOLDER, with the
// window drawn offscreen: a card listed (window-cards.png), an import under way
// (window-importing.png) and the report after it (window-report.png). Everything it
// imports and stores lives in a temporary home folder.

#include "CardList.h"
#include "ViewController.h"
#include "run/Preferences.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <sstream>

namespace {

void writeFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        std::fprintf(stderr, "kestrel-screenshots: cannot write %s\n", qPrintable(path));
}

// The window, photographed once an import is half way through.
class Photographed : public kestrel::ViewController {
  public:
    Photographed(std::ostream& out, QString shot) : ViewController(out), shot_(std::move(shot)) {}
    void setBarInc(const std::string& text) override {
        ViewController::setBarInc(text);
        if (++files_ == 40)
            grab().save(shot_);
    }

  private:
    QString shot_;
    int files_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrel-screenshots FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    for (const char* xdg : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(xdg, QFile::encodeName(home.filePath(QString::fromLatin1(xdg))));
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       home.filePath(QStringLiteral("XDG_CONFIG_HOME")));
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString card = home.filePath(QStringLiteral("EOS_DIGITAL"));
    const QString pictures = home.filePath(QStringLiteral("Pictures"));
    for (int i = 1; i <= 80; ++i)
        writeFile(card + QStringLiteral("/DCIM/100CANON/IMG_%1.JPG").arg(i, 4, 10, QChar(u'0')),
                  QByteArray(4 << 20, 'x'));
    writeFile(card + QStringLiteral("/DCIM/100CANON/IMG_0081.CR2"), "raw");
    {
        const auto prefs = kestrel::openPreferences();
        kestrel::storeString(*prefs, kestrel::keys::ImportPath, pictures.toStdString());
        kestrel::storeString(*prefs, kestrel::keys::ImportPathRAW, pictures.toStdString());
        kestrel::storeString(*prefs, kestrel::keys::ModDate, "1");
    }
    // A photo of another camera with the name of one on the card.
    const QString day = QDate::currentDate().toString(QStringLiteral("/yyyy/MM/dd/"));
    writeFile(pictures + QStringLiteral("/JPG") + day + QStringLiteral("IMG_0007.JPG"), "other");

    std::ostringstream log;
    Photographed window(log, out + QStringLiteral("/window-importing.png"));
    window.resize(800, 560);
    window.show();
    window.cardList->setCards(
        {{QStringLiteral("/media/photographer/EOS_DIGITAL"), QStringLiteral("EOS_DIGITAL")}});
    QApplication::processEvents();
    window.grab().save(out + QStringLiteral("/window-cards.png"));
    window.importFolder(card);
    QApplication::processEvents();
    window.grab().save(out + QStringLiteral("/window-report.png"));
    return 0;
}
