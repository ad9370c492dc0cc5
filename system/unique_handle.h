// The one owner of a kernel handle (a file, pipe, event, process, thread, job
// or snapshot): closed when its owner ends or is reset, on every path out.
// Functions that fail give either null or INVALID_HANDLE_VALUE; both are held
// as no handle. (A find handle is not a kernel handle: FindClose ends it.)
#pragma once
#include <windows.h>

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
    ~UniqueHandle() { close(); }
    // Moved, never copied: one owner at a time.
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}

    explicit operator bool() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }

    // The handle, no longer owned: whoever takes it closes it, or nobody does.
    HANDLE release()
    {
        HANDLE handle = m_handle;
        m_handle = nullptr;
        return handle;
    }

    // Closes the handle held and owns the one given.
    void reset(HANDLE handle = nullptr)
    {
        close();
        m_handle = handle;
    }

    // Closes the handle held now. False when the system says closing failed:
    // for a file written, a write it had held back may fail only then.
    bool close()
    {
        bool closed = !*this || CloseHandle(m_handle);
        m_handle = nullptr;
        return closed;
    }

private:
    HANDLE m_handle = nullptr;
};
