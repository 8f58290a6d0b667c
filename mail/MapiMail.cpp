// The mail object: loading the mail system, building the message, the hand-off with the owner
// window disabled, and the results that count as sent.
#include "mail/MapiMail.h"

#include "data/PublisherName.h"
#include "res/StringTable.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"
#include "ui/Termination.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <new>

namespace vak {

namespace {

// While the mail client has the message, the program's window takes no input and shows that
// it is waiting.
class OwnerDisabledScope {
public:
    explicit OwnerDisabledScope(QWidget* owner) : m_window(owner ? owner->window() : nullptr)
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (m_window)
            m_window->setEnabled(false);
    }
    ~OwnerDisabledScope()
    {
        if (m_window)
            m_window->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    OwnerDisabledScope(const OwnerDisabledScope&) = delete;
    OwnerDisabledScope& operator=(const OwnerDisabledScope&) = delete;

private:
    QWidget* m_window;
};

bool CountsAsSent(unsigned long result)
{
    return result == SUCCESS_SUCCESS || result == MAPI_USER_ABORT || result == MAPI_E_LOGIN_FAILURE;
}

} // namespace

CMapiMail::CMapiMail(CMailSystem* system, QWidget* owner, std::string* failures)
    : m_system(system), m_owner(owner), m_pFailures(failures)
{
    m_message.originator.recipClass = MAPI_ORIG;
    const CMailSystem::LoadResult loaded = system ? system->Load() : CMailSystem::LoadResult::Missing;
    switch (loaded) {
    case CMailSystem::LoadResult::Loaded:
        m_bReady = true;
        break;
    case CMailSystem::LoadResult::Missing:
        Say(TEXT_MAIL_MISSING);
        m_nError = MAIL_ERROR_NO_SYSTEM;
        break;
    case CMailSystem::LoadResult::Invalid:
        Say(TEXT_MAIL_INVALID);
        m_nError = MAIL_ERROR_INVALID_SYSTEM;
        break;
    }
}

CMapiMail::~CMapiMail()
{
    if (m_system)
        m_system->Unload();
}

int CMapiMail::TakeError()
{
    const int error = m_nError;
    m_nError = MAIL_ERROR_NONE;
    return error;
}

void CMapiMail::SetOriginatorName(const std::string& name)
{
    m_message.originator.name = name;
}

bool CMapiMail::AddRecipients(const std::string& list)
{
    for (const std::string& token : SplitRecipientList(list)) {
        try {
            m_message.recipients.push_back({MAPI_TO, token, std::string(SMTP_PREFIX) + token});
        } catch (const std::bad_alloc&) {
            m_nError = MAIL_ERROR_RECIPIENTS;
            return false;
        }
    }
    return true;
}

void CMapiMail::SetSubject(const std::string& text)
{
    m_message.subject = text;
}

bool CMapiMail::AddAttachment(const std::string& path, const std::string& displayName)
{
    try {
        m_message.files.push_back({0, path, displayName});
    } catch (const std::bad_alloc&) {
        m_nError = MAIL_ERROR_ATTACHMENTS;
        return false;
    }
    return true;
}

bool CMapiMail::SendMail(unsigned long flags)
{
    if (!m_bReady)
        return false;
    const std::string refused = m_system->UncarriedAddress(m_message);
    if (!refused.empty()) {
        m_message.recipients.clear();
        m_message.files.clear();
        Say(FormatText(ResString(IDS_ADDRESS_REFUSED), refused));
        return false;
    }
    PlaceAttachments(m_strBody, m_message.files);
    m_message.noteText = m_strBody;
    unsigned long result = MAPI_E_FAILURE;
    {
        const OwnerDisabledScope waiting(m_owner);
        m_system->SetOwnerWindow(m_owner ? m_owner->window()->internalWinId() : 0);
        m_system->SetLateFailure(m_lateFailure ? m_lateFailure : DefaultLateFailure());
        result = m_system->SendMail(m_message, flags | MAPI_LOGON_UI);
        m_system->SetLateFailure({});
    }
    m_message.recipients.clear();
    m_message.files.clear();
    if (CountsAsSent(result))
        return true;
    Say(TEXT_MAIL_FAILED);
    return false;
}

CMailSystem::LateFailure CMapiMail::DefaultLateFailure() const
{
    std::string recipients;
    for (const MapiRecipDesc& recipient : m_message.recipients)
        recipients += (recipients.empty() ? "" : ", ") + ShownOnOneLine(PlainAddress(recipient));
    return [owner = QPointer<QWidget>(m_owner), recipients](const std::string& reason) {
        ShowLateMailFailure(owner, recipients, reason);
    };
}

void ShowLateMailFailure(QWidget* owner, const std::string& recipients, const std::string& reason)
{
    const std::string text = FormatText(ResString(IDS_MAIL_FAILED_LATER), recipients, reason);
    if (TerminationRequested())
        std::fprintf(stderr, "%s\n", text.c_str());
    else
        VakMessageBox(owner, Q(text), MsgButtons::Ok, MsgIcon::Warning);
}

void CMapiMail::Say(const std::string& text)
{
    if (m_pFailures)
        *m_pFailures = text;
    else
        VakMessageBox(m_owner, Q(text), MsgButtons::Ok, MsgIcon::Warning);
}

} // namespace vak
