#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vcl {

// One of the system's colours, named as in window definitions (clBtnFace, ...).
class TColor
{
public:
    static TColor FromName(const std::string& Name);

    COLORREF Rgb() const { return GetSysColor(SystemIndex); }
    // Owned by the system: never deleted.
    HBRUSH Brush() const { return GetSysColorBrush(SystemIndex); }

private:
    explicit TColor(int Index) : SystemIndex(Index) {}
    int SystemIndex;
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont
{
public:
    TFont() = default;
    TFont(const TFont& Other);
    TFont& operator=(const TFont&) = delete;
    ~TFont();

    std::u16string Name = u"Segoe UI";
    int Height = -12; // negative: character height in pixels at 96 DPI
    TColor Color = TColor::FromName("clWindowText");
    BYTE Charset = DEFAULT_CHARSET;
    unsigned Style = 0; // TFontStyle flags

    // Sets Charset from its name in a definition (DEFAULT_CHARSET, ANSI_CHARSET).
    void SetCharsetByName(const std::string& CharsetName);
    void SetStyleByNames(const std::vector<std::string>& StyleNames);

    // The GDI font for this description at Dpi, made on first use per DPI.
    HFONT Handle(UINT Dpi) const;
    // The face actually used: Name, or its substitute where Name is not installed.
    std::u16string FaceInUse() const;

private:
    void Release() const;

    mutable HFONT CachedHandle = nullptr;
    mutable UINT CachedDpi = 0;
};

// A picture decoded from PNG data, kept as a 32-bit bitmap with premultiplied alpha.
class TPicture
{
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;
    ~TPicture();

    void LoadFromPng(const std::vector<std::uint8_t>& PngData);
    bool Empty() const { return Bitmap == nullptr; }
    int Width() const { return PixelWidth; }
    int Height() const { return PixelHeight; }
    // Draws the picture with its alpha channel, at its own size.
    void Draw(HDC Target, int Left, int Top) const;

private:
    HBITMAP Bitmap = nullptr;
    int PixelWidth = 0;
    int PixelHeight = 0;
};

} // namespace vcl
