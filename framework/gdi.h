// Owners of GDI handles (brush, font, bitmap, region) and of icons: move-only,
// releasing their handle when they go or take another. ScopedSelect puts the
// old object back.
#pragma once
#include <windows.h>
#include <utility>

// How a handle is released: GDI objects are deleted, icons destroyed.
template <class Handle>
inline void ReleaseHandle(Handle handle)
{
    DeleteObject(handle);
}

template <>
inline void ReleaseHandle(HICON handle)
{
    DestroyIcon(handle);
}

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }

    void Reset(Handle handle = nullptr)
    {
        if (m_handle)
            ReleaseHandle(m_handle);
        m_handle = handle;
    }
    Handle Get() const { return m_handle; }
    operator Handle() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    Handle m_handle = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;
// An icon loaded as a copy of its own (LoadImage without LR_SHARED), not a shared one.
using Icon = GdiObject<HICON>;

class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ~ScopedSelect() { SelectObject(m_dc, m_old); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// A solid brush whose colour can change: the old brush is released and a new one made.
class ColorBrush {
public:
    void SetColor(COLORREF color)
    {
        m_color = color;
        m_brush.Reset(CreateSolidBrush(color));
    }
    COLORREF Color() const { return m_color; }
    HBRUSH Get() const { return m_brush.Get(); }

private:
    COLORREF m_color = 0;
    Brush m_brush;
};
