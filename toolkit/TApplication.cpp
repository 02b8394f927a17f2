#include "toolkit/TApplication.h"

#include "toolkit/VclStyle.h"

#include <QFont>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>

namespace kazuyomi {

namespace {

TApplication* current = nullptr;

// The forms name Windows faces; where they are missing the first installed face of the same
// kind stands in: Linux and macOS faces, then the designed face by its English name, then the
// faces of Windows systems without the Japanese supplemental fonts.
void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"),
                                QStringLiteral("Source Han Sans JP"), QStringLiteral("Hiragino Sans"),
                                QStringLiteral("MS PGothic"), QStringLiteral("Yu Gothic UI"),
                                QStringLiteral("Meiryo UI")});
    // Liberation Mono before DejaVu Sans Mono: Wine draws DejaVu Sans Mono's bold oblique, which
    // the entries use, in a serif face.
    QFont::insertSubstitutions(QStringLiteral("Lucida Console"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                                QStringLiteral("Noto Sans Mono"), QStringLiteral("Menlo"),
                                QStringLiteral("Consolas"), QStringLiteral("Courier New")});
}

}  // namespace

TApplication::TApplication(int argc, char** argv)
    : programName(argc > 0 && argv != nullptr && argv[0] != nullptr ? argv[0] : "kazuyomi"),
      qtArgv{programName.data(), nullptr},
      application(qtArgc, qtArgv.data())
{
    current = this;
    // Only the main window ends the program; closing the last visible tool window does not.
    QApplication::setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication()
{
    // Windows go before the QApplication they need.
    while (!forms.empty()) forms.pop_back();
    mainForm = nullptr;
    if (current == this) current = nullptr;
}

TApplication* TApplication::instance() { return current; }

void TApplication::Initialize()
{
    installFontSubstitutes();
    QApplication::setStyle(new VclStyle);
    // Named format: Qt need not load every image plugin to find out what the file is.
    QApplication::setWindowIcon(QPixmap(QStringLiteral(":/icons/org.kazuyomi.Kazuyomi-48.png"), "PNG"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kazuyomi.Kazuyomi"));
    if (qtTranslator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTranslator);
    }
}

void TApplication::adopt(std::unique_ptr<TForm> form)
{
    if (mainForm == nullptr) mainForm = form.get();
    forms.push_back(std::move(form));
}

int TApplication::Run()
{
    if (mainForm == nullptr) return 0;
    mainForm->Show();
    return QApplication::exec();
}

int TApplication::Execute(const std::function<void()>& startUp)
{
    try {
        startUp();
        return Run();
    } catch (const std::exception& error) {
        HandleException(error);
        return 1;
    }
}

void TApplication::HandleException(const std::exception& error)
{
    // No title of its own: the box shows the application's name. The message may carry what the
    // user typed, so it is never read as markup.
    const QPointer<QWidget> active = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QString(),
                    QString::fromStdString(error.what()) + QLatin1Char('.'), QMessageBox::Ok, active);
    box.setObjectName(QStringLiteral("exceptionReport"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
    // Not every window system hands the activation back by itself.
    if (active != nullptr && active->isVisible()) active->activateWindow();
}

}  // namespace kazuyomi
