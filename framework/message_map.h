// Static message maps: one table of {message, notification code, control id,
// handler} per class, read in order. Three handler shapes:
//   void ()                  commands and control notifications that need no answer
//   LRESULT (NMHDR*)         WM_NOTIFY notifications
//   LRESULT (WPARAM, LPARAM) any other message
// A class declares `static std::span<const MessageEntry<Self>> MessageMap();`,
// which returns its static table, and derives from MessageMapped<Self, Base>,
// which routes every message through the table.
#pragma once
#include <windows.h>
#include <span>

template <class T>
struct MessageEntry {
    UINT message;
    int code;
    int id;
    void (T::*onCommand)();
    LRESULT (T::*onNotify)(NMHDR*);
    LRESULT (T::*onMessage)(WPARAM, LPARAM);
};

// BN_CLICKED, EN_SETFOCUS, LBN_SELCHANGE, menu commands (code 0): WM_COMMAND.
template <class T>
constexpr MessageEntry<T> OnCommand(int id, int code, void (T::*handler)())
{
    return {WM_COMMAND, code, id, handler, nullptr, nullptr};
}

template <class T>
constexpr MessageEntry<T> OnNotify(int id, int code, LRESULT (T::*handler)(NMHDR*))
{
    return {WM_NOTIFY, code, id, nullptr, handler, nullptr};
}

template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return {message, 0, 0, nullptr, nullptr, handler};
}

// Finds the first entry that matches the message and calls its handler.
// Returns false when no entry matches or the handler asked for default processing.
template <class T>
bool DispatchMessageMap(T* self, std::span<const MessageEntry<T>> map, UINT msg, WPARAM wp, LPARAM lp,
                        LRESULT& result)
{
    for (const MessageEntry<T>& entry : map) {
        if (entry.message != msg)
            continue;
        if (msg == WM_COMMAND) {
            if (entry.id != LOWORD(wp) || entry.code != HIWORD(wp))
                continue;
            self->SetMsgHandled(true);
            (self->*entry.onCommand)();
            result = 0;
        } else if (msg == WM_NOTIFY) {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            if (static_cast<int>(header->idFrom) != entry.id || static_cast<int>(header->code) != entry.code)
                continue;
            self->SetMsgHandled(true);
            result = (self->*entry.onNotify)(header);
        } else {
            self->SetMsgHandled(true);
            result = (self->*entry.onMessage)(wp, lp);
        }
        return self->IsMsgHandled();
    }
    return false;
}

template <class T, class Base>
class MessageMapped : public Base {
public:
    using Base::Base;
    using Base::SetMsgHandled;
    using Base::IsMsgHandled;

protected:
    bool ProcessWindowMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override
    {
        T* self = static_cast<T*>(this);
        return DispatchMessageMap(self, T::MessageMap(), msg, wp, lp, result)
            || Base::ProcessWindowMessage(msg, wp, lp, result);
    }
};
