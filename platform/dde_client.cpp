// The DDE client: small owners for the instance, its string handles and the conversation,
// released in the reverse order of their making. Names are made from wide text, so that a
// server sees the characters, whatever its code page.
#include "platform/dde_client.h"

#include <ddeml.h>

#include <vector>

#include "platform/text.h"

namespace {

// The client asks and never serves, so every call into it is answered with nothing.
static HDDEDATA CALLBACK BrowserDdeCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

class DdeInstance {
public:
    DdeInstance() = default;
    DdeInstance(const DdeInstance&) = delete;
    DdeInstance& operator=(const DdeInstance&) = delete;
    ~DdeInstance() { if (id_) DdeUninitialize(id_); }
    bool Start()
    {
        return DdeInitializeW(&id_, BrowserDdeCallback, APPCMD_CLIENTONLY | CBF_SKIP_ALLNOTIFICATIONS, 0) ==
               DMLERR_NO_ERROR;
    }
    DWORD id() const { return id_; }
private:
    DWORD id_ = 0;
};

class DdeName {
public:
    DdeName(const DdeInstance& instance, std::string_view cp932)
        : instance_(instance.id()), handle_(DdeCreateStringHandleW(instance_, Widen(cp932).c_str(), CP_WINUNICODE))
    {
    }
    DdeName(const DdeName&) = delete;
    DdeName& operator=(const DdeName&) = delete;
    ~DdeName() { if (handle_) DdeFreeStringHandle(instance_, handle_); }
    HSZ get() const { return handle_; }
private:
    DWORD instance_;
    HSZ handle_;
};

class DdeConversation {
public:
    DdeConversation(const DdeInstance& instance, const DdeName& service, const DdeName& topic)
        : handle_(service.get() && topic.get() ? DdeConnect(instance.id(), service.get(), topic.get(), nullptr)
                                               : nullptr)
    {
    }
    DdeConversation(const DdeConversation&) = delete;
    DdeConversation& operator=(const DdeConversation&) = delete;
    ~DdeConversation() { if (handle_) DdeDisconnect(handle_); }
    HCONV get() const { return handle_; }
private:
    HCONV handle_;
};

// At most `maxReply` bytes of the reply, up to its first zero byte.
static std::string ReplyText(HDDEDATA data, size_t maxReply)
{
    DWORD size = DdeGetData(data, nullptr, 0, 0);
    std::vector<char> bytes(size < maxReply ? size : maxReply);
    if (!bytes.empty()) DdeGetData(data, reinterpret_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()), 0);
    std::string text(bytes.begin(), bytes.end());
    return text.substr(0, text.find('\0'));
}

}  // namespace

DdeOutcome RequestDdeText(std::string_view service, std::string_view topic, std::string_view item, DWORD timeoutMs,
                          size_t maxReply, std::string* reply)
{
    DdeInstance instance;
    if (!instance.Start()) return DdeOutcome::NoInstance;
    DdeName serviceName(instance, service), topicName(instance, topic);
    DdeConversation conversation(instance, serviceName, topicName);
    if (!conversation.get()) return DdeOutcome::NoConversation;
    DdeName itemName(instance, item);
    if (!itemName.get()) return DdeOutcome::NoReply;
    HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation.get(), itemName.get(), CF_TEXT, XTYP_REQUEST,
                                         timeoutMs, nullptr);
    if (!data) return DdeOutcome::NoReply;
    if (reply) *reply = ReplyText(data, maxReply);
    DdeFreeDataHandle(data);
    return DdeOutcome::Replied;
}
