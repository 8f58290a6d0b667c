// Test fixture for the main window: a fresh group file in a temporary folder, the settings file
// beside it, scripted message boxes and file dialogs, a recording telephone and mail system, and
// helpers that press keys and read what the user would see.
#pragma once

#include "data/SettingsFile.h"
#include "fixtures/GroupBuilder.h"
#include "mail/MapiMessage.h"
#include "main/MainDlg.h"
#include "main/Telephony.h"
#include "print/PrinterChoice.h"
#include "ui/FileDlg.h"
#include "ui/MessageBox.h"
#include "ui/Termination.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <ostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Texts in failure messages as text rather than as arrays of characters.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (const QString& text : texts)
        *out << " \"" << text.toStdString() << '"';
    *out << " }";
}

namespace vak::test {

// The system asks the program to end: SIGTERM (or SIGHUP) on Linux; on Windows the end of the
// session, which reaches the watcher as Request.
inline void AskToEnd([[maybe_unused]] CTerminationWatcher& watcher, [[maybe_unused]] bool hangUp = false)
{
#ifdef _WIN32
    watcher.Request();
#else
    std::raise(hangUp ? SIGHUP : SIGTERM);
#endif
}

// Records every call it is asked to place; `answer` other than Requested acts as a machine
// without service (or with a broken one).
class RecordingTelephony : public CTelephony {
public:
    CallRequest RequestMakeCall(const QString& number, const QString& calledParty) override
    {
        if (answer == CallRequest::Requested)
            calls.push_back({number, calledParty});
        return answer;
    }
    struct Call {
        QString number;
        QString party;
    };
    std::vector<Call> calls;
    CallRequest answer = CallRequest::Requested;
};

// Records every message handed to it, with what the user saw meanwhile; `load` and `result`
// act as a machine without (or with a broken) mail system and as the mail client's answer.
class RecordingMail : public CMailSystem {
public:
    LoadResult Load() override { return load; }
    unsigned long SendMail(const MapiMessage& message, unsigned long flags) override;

    struct Sent {
        MapiMessage message;
        unsigned long flags = 0;
        bool windowDisabled = false;   // the active window could take no input meanwhile
        bool waitCursor = false;       // the wait cursor was shown meanwhile
        LateFailure lateFailure;       // what the mail client calls when it gives up later
    };
    std::vector<Sent> sent;
    LoadResult load = LoadResult::Loaded;
    unsigned long result = SUCCESS_SUCCESS;
    // Opens a window of its own that takes the activation, as a mail composer does.
    bool composerWindow = false;
    // Called with the number of messages received so far, before the result is returned; it
    // may change `result` for this message.
    std::function<void(std::size_t)> onSend;
    std::unique_ptr<QWidget> composer;
};

// The main window with its report entry replaced by a test action, or the real one.
class TestMainDlg : public CMainDlg {
public:
    using CMainDlg::CMainDlg;
    std::function<bool(TestMainDlg&, int)> onEntry;  // returns false: "could not be created"
    std::vector<int> entries;                        // publishers the entry was opened for
    int previews = 0;
    bool realEntry = false;                          // run the real report entry dialog

protected:
    bool RunEntryDialog(int p) override
    {
        entries.push_back(p);
        if (realEntry)
            return CMainDlg::RunEntryDialog(p);
        return onEntry ? onEntry(*this, p) : true;
    }
    void RunPreviewDialog(int) override { ++previews; }
};

// Presses Enter on every real message box that opens while it lives, as a user who takes the
// default would, and keeps what each box showed.
class EnterOnMessageBoxes : public QObject {
public:
    EnterOnMessageBoxes();
    struct Seen {
        QString text;
        Qt::TextFormat format;             // how the box's label shows the text
        int defaultButton;                 // the QMessageBox::StandardButton Enter pressed
        bool onScreen;                     // the box and its buttons lie within the screen
    };
    QList<Seen> seen;

private:
    void Answer();
    QTimer m_timer;
};

class MainWindowTest : public testing::Test {
public:
    // Writes hours for publisher p in the report month, as the entry dialog stores a report.
    static void EnterHours(CGroupData& group, int p, int hours = 5);

    MainWindowTest();
    ~MainWindowTest() override;

    // A group of `count` publishers "Publisher<N>" with report month `month` (March by default).
    static fixtures::GroupBuilder SimpleGroup(int count, int month = 2);
    // Writes `group` as `name` into the temporary folder and returns its path.
    std::string WriteGroup(const fixtures::GroupBuilder& group, const std::string& name = "Skupina3.t09");
    std::string TempFile(const std::string& name) const;

    // Opens the main window as the program would, with `commandLine` and the clock at `today`
    // (10 April 2026 unless given), shows it and waits until it is active.
    TestMainDlg& Open(const std::string& commandLine, CivilDate today = {2026, 4, 10});
    // Opens the main window on a group written from `group`.
    TestMainDlg& OpenGroup(const fixtures::GroupBuilder& group);

    // What the user sees.
    QString Text(int id) const;
    bool Visible(int id) const;
    QStringList ListTexts() const;  // the lines of the publisher list
    static QStringList Lines(const QListWidget& list);
    int CurrentRow() const;
    bool ListHasFocus() const;

    // Clicks `button` of the main window and runs `work` on the modal dialog of type T it opens;
    // the dialog is closed afterwards if `work` left it open.
    template <class T>
    void WithDialog(int button, const std::function<void(T&)>& work)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ran = true;
            EXPECT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
            work(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        Click(button);
        EXPECT_TRUE(ran);
        // The keyboard is back in the publisher list.
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_dlg.get(); }));
        EXPECT_TRUE(ListHasFocus());
    }

    // Keys sent to the focused control of the main window.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Type(const QString& text);
    void Click(int id);

    std::vector<std::uint8_t> ReadFile(const std::string& path) const;
    std::string ReadText(const std::string& path) const;

    QTemporaryDir m_dir;
    CSettingsFile m_settings;
    RecordingTelephony m_telephony;
    RecordingMail m_mail;
    CMailSystem* m_mailSystem = &m_mail;   // the mail system the window is opened with
    CPrinterChoice* m_printers = nullptr;  // the printer choice the window is opened with
    CMessageBoxSink m_messages;
    std::optional<MessageBoxScript> m_boxes{std::in_place};
    FileDlgScript m_files;
    std::unique_ptr<TestMainDlg> m_dlg;
};

} // namespace vak::test
