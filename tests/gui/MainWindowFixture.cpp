// The main-window test fixture.
#include "MainWindowFixture.h"

#include "data/GroupFormat.h"
#include "ui/ListBox.h"
#include "ui/Termination.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace vak::test {

unsigned long RecordingMail::SendMail(const MapiMessage& message, unsigned long flags)
{
    const QWidget* window = QApplication::activeWindow();
    const QCursor* cursor = QApplication::overrideCursor();
    sent.push_back({message, flags, window && !window->isEnabled(), cursor && cursor->shape() == Qt::WaitCursor,
                    m_lateFailure});
    if (composerWindow) {
        composer = std::make_unique<QWidget>();
        composer->show();
        composer->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == composer.get(); }));
    }
    if (onSend)
        onSend(sent.size());
    return result;
}

EnterOnMessageBoxes::EnterOnMessageBoxes()
{
    connect(&m_timer, &QTimer::timeout, this, &EnterOnMessageBoxes::Answer);
    m_timer.start(20);
}

void EnterOnMessageBoxes::Answer()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QPushButton* chosen = box->defaultButton();
    const QRect screen = box->screen()->availableGeometry();
    bool onScreen = screen.contains(box->frameGeometry());
    for (const QAbstractButton* button : box->buttons())
        onScreen = onScreen && screen.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
    seen.append({box->text(), label ? label->textFormat() : Qt::AutoText,
                 chosen ? static_cast<int>(box->standardButton(chosen)) : static_cast<int>(QMessageBox::Ok), onScreen});
    QTest::keyClick(box, Qt::Key_Return);
}

MainWindowTest::MainWindowTest() : m_settings(m_dir.filePath(QStringLiteral("Vak.ini")).toStdString())
{
    ClearTerminationRequest();
    // Reports kept where the group's folder takes no files land here, not in the user's folder.
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
    qputenv("LOCALAPPDATA", QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("data"))).toUtf8());
}

MainWindowTest::~MainWindowTest()
{
    m_dlg.reset();
    ClearTerminationRequest();
}

fixtures::GroupBuilder MainWindowTest::SimpleGroup(int count, int month)
{
    fixtures::GroupBuilder group;
    group.Group(3).Month(month);
    for (int p = 1; p <= count; ++p)
        group.AddPublisher({.firstName = "Jméno" + std::to_string(p), .surname = "Příjmení" + std::to_string(p)});
    return group;
}

std::string MainWindowTest::TempFile(const std::string& name) const
{
    return m_dir.filePath(QString::fromStdString(name)).toStdString();
}

std::string MainWindowTest::WriteGroup(const fixtures::GroupBuilder& group, const std::string& name)
{
    const std::string path = TempFile(name);
    EXPECT_TRUE(group.WriteTo(path));
    return path;
}

TestMainDlg& MainWindowTest::Open(const std::string& commandLine, CivilDate today)
{
    MainDlgContext context;
    context.settings = &m_settings;
    context.telephony = &m_telephony;
    context.mail = m_mailSystem;
    context.printers = m_printers;
    context.commandLine = commandLine;
    context.today = today;
    m_dlg = std::make_unique<TestMainDlg>(m_messages, context);
    m_dlg->show();
    m_dlg->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    return *m_dlg;
}

TestMainDlg& MainWindowTest::OpenGroup(const fixtures::GroupBuilder& group)
{
    return Open(WriteGroup(group));
}

QString MainWindowTest::Text(int id) const
{
    QWidget* widget = m_dlg->GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    return {};
}

bool MainWindowTest::Visible(int id) const
{
    return m_dlg->GetDlgItem(id)->isVisibleTo(m_dlg.get());
}

QStringList MainWindowTest::Lines(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

QStringList MainWindowTest::ListTexts() const
{
    return Lines(*m_dlg->PublisherList());
}

int MainWindowTest::CurrentRow() const
{
    return m_dlg->PublisherList()->currentRow();
}

bool MainWindowTest::ListHasFocus() const
{
    return QApplication::focusWidget() == static_cast<QWidget*>(m_dlg->PublisherList());
}

void MainWindowTest::Press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_dlg.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void MainWindowTest::Type(const QString& text)
{
    // Sent with their text, so that letters outside Latin-1 ("ř", "š") arrive as typed.
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_dlg.get();
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, target, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, key, QString(c), Qt::NoModifier);
    }
}

void MainWindowTest::Click(int id)
{
    QTest::mouseClick(m_dlg->GetDlgItem(id), Qt::LeftButton);
}

void MainWindowTest::EnterHours(CGroupData& group, int p, int hours)
{
    const std::size_t offset = OFS_VALUES + 72 * FIELD_HOURS + 6 * std::size_t{group.m_nMonth} +
                               2 * std::size_t{group.m_nYearSlot};
    WriteWord(group.Record(p), offset, static_cast<std::uint16_t>(hours));
    group.m_bEntered = true;
}

std::vector<std::uint8_t> MainWindowTest::ReadFile(const std::string& path) const
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

std::string MainWindowTest::ReadText(const std::string& path) const
{
    const std::vector<std::uint8_t> bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
}

} // namespace vak::test
