// kestrel-screenshots FOLDER: takes the screenshots of the README into FOLDER, with the
// window drawn offscreen (or on the display QT_QPA_PLATFORM names): a card listed
// (window-cards.png), an import under way (window-importing.png), the report after it
// (window-report.png), a card browsed as a grid with its marks (browse-grid.png) and the
// offer to eject a card once it is safe (window-eject.png, against a stand-in for the
// system's disk service on a private bus), and the sheet of a job's names and folders
// (names-sheet.png). Everything it imports and stores lives in a temporary home folder. It
// speaks the environment's language, as kestrel does.

#include "FakeUDisks.h"
#include "TemporaryHome.h"
#include "base/Translations.h"
#include "browse/BrowseModel.h"
#include "browse/BrowseWindow.h"
#include "devices/CardEjector.h"
#include "devices/CardList.h"
#include "devices/DeviceWatcher.h"
#include "run/Preferences.h"
#include "window/ViewController.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <sstream>
#include <utility>

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

// A photo of a landscape in the colours of hue.
void writePhoto(const QString& path, int hue) {
    QImage photo(900, 600, QImage::Format_RGB32);
    QPainter paint(&photo);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, QColor::fromHsv(hue % 360, 120, 250));
    sky.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 200, 120));
    paint.fillRect(photo.rect(), sky);
    paint.setBrush(QColor::fromHsv((hue + 180) % 360, 160, 90));
    paint.setPen(Qt::NoPen);
    paint.drawEllipse(QPoint(200 + hue % 500, 620), 420, 240);
    paint.setBrush(QColor(255, 240, 200));
    paint.drawEllipse(QPoint(700 - hue % 400, 140), 50, 50);
    paint.end();
    QDir().mkpath(QFileInfo(path).path());
    photo.save(path, "JPEG", 85);
}

// Runs the event loop until done says so.
void waitFor(const std::function<bool()>& done) {
    while (!done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrel-screenshots FOLDER\n");
        return 2;
    }
    QTemporaryDir home;
    kestrel::bench::useTemporaryHome(home);
    QApplication app(argc, argv);
    // In the language of the environment: LC_ALL=de_DE.UTF-8 takes them in German.
    kestrel::installTranslations();
    kestrel::bench::useTemporarySettings(home);
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
    window.cardList->setDevices({{QStringLiteral("usb:001,004"), QStringLiteral("Google Pixel 7"),
                                  {QStringLiteral("Internal shared storage")}, {}, false}});
    QApplication::processEvents();
    window.grab().save(out + QStringLiteral("/window-cards.png"));
    window.importFolder(card);
    waitFor([&] { return !window.isImporting(); });
    QApplication::processEvents();
    window.grab().save(out + QStringLiteral("/window-report.png"));

    // A card of 24 photos, 18 imported before, and a format the options leave on it.
    const QString xt = home.filePath(QStringLiteral("X-T4"));
    for (int i = 1; i <= 18; ++i)
        writePhoto(xt + QStringLiteral("/DCIM/100_FUJI/DSCF%1.JPG").arg(4000 + i), i * 19);
    window.importFolder(xt);
    waitFor([&] { return !window.isImporting(); });
    // One of them culled at the destination since: its record remains.
    QFile::remove(pictures + QStringLiteral("/JPG") + day + QStringLiteral("DSCF4011.JPG"));
    for (int i = 19; i <= 24; ++i)
        writePhoto(xt + QStringLiteral("/DCIM/100_FUJI/DSCF%1.JPG").arg(4000 + i), i * 19);
    writeFile(xt + QStringLiteral("/DCIM/100_FUJI/DSCF4025.HIF"), "heif");
    kestrel::BrowseWindow* browser = window.browseFolder(xt);
    browser->resize(900, 620);
    bool surveyed = false;
    QObject::connect(browser, &kestrel::BrowseWindow::surveyed, [&] { surveyed = true; });
    waitFor([&] {
        for (int row = 0; row < browser->model()->rowCount(); ++row)
            if (!browser->model()->hasThumbnail(row) &&
                browser->model()->file(row).standing != kestrel::Standing::NotImported)
                return false;
        return surveyed;
    });
    browser->grid()->scrollToBottom();
    QApplication::processEvents();
    browser->grab().save(out + QStringLiteral("/browse-grid.png"));
    browser->close();

    // The offer to eject, once every file of the card is at its destination.
    kestrel::test::PrivateBus bus;
    if (const QString problem = bus.start(home.path()); !problem.isEmpty()) {
        std::fprintf(stderr, "kestrel-screenshots: no eject offer: %s\n", qPrintable(problem));
        return 1;
    }
    bus.udisks.card = xt;
    bus.udisks.ejectable = true;
    window.setUpEject(new kestrel::CardEjector(kestrel::test::PrivateBus::client()));
    window.cardList->setCards({{xt, QStringLiteral("X-T4")}});
    QFile::remove(xt + QStringLiteral("/DCIM/100_FUJI/DSCF4025.HIF"));
    window.importFolder(xt);
    waitFor([&] { return !window.isImporting(); });
    const auto* eject = window.findChild<QPushButton*>(QStringLiteral("btnEject"));
    waitFor([&] { return eject->isVisible(); });
    window.grab().save(out + QStringLiteral("/window-eject.png"));

    // The sheet of a job's names and folders, with a wedding's patterns and metadata typed.
    window.namesAndFolders();
    auto* sheet = window.findChild<QDialog*>(QStringLiteral("namesSheet"));
    for (const char* box : {"chkRename", "chkFolders"})
        sheet->findChild<QCheckBox*>(QLatin1String(box))->click();
    const std::pair<const char*, const char*> typed[] = {
        {"editJob", "wedding"},
        {"editCreator", "Ann Lee"},
        {"editCopyright", "© 2026 Ann Lee Photography"},
        {"editCredit", "Ann Lee Photography"},
        {"editKeywords", "wedding, Lisbon, ceremony"},
        {"editDescription", "Marta and João's wedding at the Palácio"}};
    for (const auto& [name, text] : typed)
        sheet->findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromUtf8(text));
    sheet->adjustSize();
    QApplication::processEvents();
    sheet->grab().save(out + QStringLiteral("/names-sheet.png"));
    return 0;
}
