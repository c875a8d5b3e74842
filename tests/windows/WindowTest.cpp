#include "WindowTest.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTextCursor>
#include <cstdio>

#include "common/logic/RecordFile.h"
#include "common/windows/QtText.h"

namespace oriastra {

int RunWindowTests(int argc, char** argv, const QString& programName,
                   const std::function<bool()>& prepare) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    SetProgramIdentity(programName);
    ::testing::InitGoogleTest(&argc, argv);
    if (prepare && !prepare()) {
        std::fprintf(stderr, "%s: could not prepare the tests\n", qPrintable(programName));
        return 1;
    }
    return RUN_ALL_TESTS();
}

void WindowTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    platform.settings.insert(QStringLiteral("Settings/Duration"), QString());
    // Positions are checked against the screen the windows really stand on.
    platform.screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    watchdog_.setInterval(50);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        if (modalHandler_) {
            auto handler = std::move(modalHandler_);
            modalHandler_ = nullptr;
            handler(modal);
            return;
        }
        ++unexpectedModals;
        ADD_FAILURE() << "unexpected modal window " << modal->objectName().toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
    });
    watchdog_.start();
}

void WindowTest::TearDown() {
    watchdog_.stop();
    program_.reset();
    Settle();
}

void WindowTest::Start() {
    program_ = StartProgram(platform, false);
    ASSERT_NE(program_, nullptr);
    Settle();
}

void WindowTest::Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void WindowTest::EnterBirthDetails(BirthDetailsPanel& panel, const QString& name,
                                   const QString& month, const QString& day, const QString& year) {
    panel.txtName->clear();
    QTest::keyClicks(panel.txtName, name);
    panel.cboMonth->setCurrentText(month);
    panel.cboDate->setCurrentText(day);
    panel.cboYear->setCurrentText(year);
}

void WindowTest::Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

void WindowTest::ClickChoosing(QAbstractButton* button, const QString& path) {
    platform.chosenPaths.push_back(path);
    Click(button);
}

void WindowTest::Select(QTextEdit& view, int from, int to) {
    QTextCursor part(view.document());
    part.setPosition(from);
    part.setPosition(to, QTextCursor::KeepAnchor);
    view.setTextCursor(part);
}

QString WindowTest::LookAt(const QTextEdit& view, int position) {
    QTextCursor cursor(view.document());
    cursor.setPosition(position);
    const QTextCharFormat format = cursor.charFormat();
    return QStringLiteral("%1 %2").arg(format.fontWeight() >= QFont::Bold ? "bold" : "normal",
                                       format.foreground().color().name());
}

QString WindowTest::WriteRecord(const QString& file, const std::vector<std::string>& lines) {
    const QString path = folder.filePath(file);
    EXPECT_TRUE(WriteRecordFile(FromQt(path), lines));
    return path;
}

std::optional<QString> WindowTest::PrintedText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return std::nullopt;
    // Compatibility form turns the typesetter's ligatures (fi, fl) back into letters.
    return QString::fromUtf8(pdftotext.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

QString WindowTest::Letters(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC).removeIf([](QChar letter) {
        return letter.isSpace() || letter == QLatin1Char('-');
    });
}

void WindowTest::MoveMouseOver(QWidget* widget) {
    const QPointF inside(3, 3);
    QMouseEvent move(QEvent::MouseMove, inside, widget->mapToGlobal(inside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void WindowTest::ExpectModal(std::function<void(QWidget*)> handler) {
    modalHandler_ = std::move(handler);
}

}  // namespace oriastra
