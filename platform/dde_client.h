// One synchronous DDE request as a client: its own DDE instance and conversation, both ended
// before the call returns, so nothing of it outlives the request. Service, topic and item are
// code page 932 text; the reply is the server's text as it sent it (CF_TEXT bytes).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include <windows.h>

enum class DdeOutcome {
    Replied,          // a reply came (of any text, even an empty one)
    NoInstance,       // the DDE library could not be initialised
    NoConversation,   // no server answered for the service and topic
    NoReply,          // the request failed or timed out
};

// Requests `item` as text on `topic` of `service` and waits up to `timeoutMs`. On Replied,
// `reply` (when given) holds at most `maxReply` bytes of the reply, up to its first zero byte.
DdeOutcome RequestDdeText(std::string_view service, std::string_view topic, std::string_view item, DWORD timeoutMs,
                          size_t maxReply, std::string* reply);
