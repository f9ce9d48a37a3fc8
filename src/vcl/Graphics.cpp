#include "Graphics.h"

#include "Dpi.h"
#include "FormDefinition.h"

#include <wincodec.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <utility>

namespace vcl {
namespace {

using kelvaro::TDefinitionError;

const wchar_t* AsWide(const std::u16string& Text) { return reinterpret_cast<const wchar_t*>(Text.c_str()); }

// Faces tried in order when a definition's face is not installed. Windows has
// Segoe UI everywhere; Wine has neither it nor Castellar, a titling face of
// serif capitals, for which a serif face stands in. Arial and its metric twin
// Liberation Sans keep texts about as wide as Segoe UI, so the layout holds
// (Tahoma's wider asterisks would run into the copy button).
const std::array<std::pair<std::u16string_view, std::array<std::u16string_view, 3>>, 2> FontSubstitutes = {{
    {u"Segoe UI", {u"Arial", u"Liberation Sans", u"Tahoma"}},
    {u"Castellar", {u"Times New Roman", u"Liberation Serif", u"DejaVu Serif"}},
}};

int CALLBACK StopAtFirstFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM Found)
{
    *reinterpret_cast<bool*>(Found) = true;
    return 0;
}

bool FaceInstalled(std::u16string_view Face)
{
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    Face.copy(reinterpret_cast<char16_t*>(query.lfFaceName), LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, StopAtFirstFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

template <typename T>
struct TComRelease
{
    void operator()(T* Object) const { Object->Release(); }
};
template <typename T>
using TComPtr = std::unique_ptr<T, TComRelease<T>>;

void Check(HRESULT Result, const char* Step)
{
    if (FAILED(Result))
        throw std::runtime_error(std::string("Bild kann nicht gelesen werden (") + Step + ").");
}

} // namespace

TColor TColor::FromName(const std::string& Name)
{
    if (Name == "clBtnFace")
        return TColor(COLOR_BTNFACE);
    if (Name == "clWindowText")
        return TColor(COLOR_WINDOWTEXT);
    if (Name == "clWindow")
        return TColor(COLOR_WINDOW);
    throw TDefinitionError("unbekannte Farbe " + Name);
}

TFont::TFont(const TFont& Other)
    : Name(Other.Name), Height(Other.Height), Color(Other.Color), Charset(Other.Charset), Style(Other.Style)
{
}

TFont::~TFont() { Release(); }

void TFont::SetCharsetByName(const std::string& CharsetName)
{
    if (CharsetName == "DEFAULT_CHARSET")
        Charset = DEFAULT_CHARSET;
    else if (CharsetName == "ANSI_CHARSET")
        Charset = ANSI_CHARSET;
    else
        throw TDefinitionError("unbekannter Zeichensatz " + CharsetName);
}

void TFont::SetStyleByNames(const std::vector<std::string>& StyleNames)
{
    Style = 0;
    for (const std::string& name : StyleNames) {
        if (name == "fsBold")
            Style |= fsBold;
        else if (name == "fsItalic")
            Style |= fsItalic;
        else if (name == "fsUnderline")
            Style |= fsUnderline;
        else if (name == "fsStrikeOut")
            Style |= fsStrikeOut;
        else
            throw TDefinitionError("unbekannter Schriftstil " + name);
    }
}

std::u16string TFont::FaceInUse() const
{
    if (FaceInstalled(Name))
        return Name;
    for (const auto& [face, substitutes] : FontSubstitutes) {
        if (face != Name)
            continue;
        for (std::u16string_view substitute : substitutes)
            if (FaceInstalled(substitute))
                return std::u16string(substitute);
    }
    return Name; // the system's own font mapping decides
}

HFONT TFont::Handle(UINT Dpi) const
{
    if (CachedHandle != nullptr && CachedDpi == Dpi)
        return CachedHandle;
    Release();
    const std::u16string face = FaceInUse();
    CachedHandle = CreateFontW(ScaleToDpi(Height, Dpi), 0, 0, 0, (Style & fsBold) ? FW_BOLD : FW_NORMAL,
                               (Style & fsItalic) != 0, (Style & fsUnderline) != 0, (Style & fsStrikeOut) != 0,
                               Charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, AsWide(face));
    CachedDpi = Dpi;
    return CachedHandle;
}

void TFont::Release() const
{
    if (CachedHandle != nullptr)
        DeleteObject(CachedHandle);
    CachedHandle = nullptr;
}

TPicture::~TPicture()
{
    if (Bitmap != nullptr)
        DeleteObject(Bitmap);
}

void TPicture::LoadFromPng(const std::vector<std::uint8_t>& PngData)
{
    const HRESULT comState = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    struct TComScope
    {
        bool Entered;
        ~TComScope()
        {
            if (Entered)
                CoUninitialize();
        }
    } comScope{SUCCEEDED(comState)};

    IWICImagingFactory* rawFactory = nullptr;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           reinterpret_cast<void**>(&rawFactory)),
          "WIC");
    const TComPtr<IWICImagingFactory> factory(rawFactory);

    IWICStream* rawStream = nullptr;
    Check(factory->CreateStream(&rawStream), "Stream");
    const TComPtr<IWICStream> stream(rawStream);
    Check(stream->InitializeFromMemory(const_cast<BYTE*>(PngData.data()), static_cast<DWORD>(PngData.size())),
          "Stream");

    IWICBitmapDecoder* rawDecoder = nullptr;
    Check(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, &rawDecoder),
          "PNG");
    const TComPtr<IWICBitmapDecoder> decoder(rawDecoder);
    IWICBitmapFrameDecode* rawFrame = nullptr;
    Check(decoder->GetFrame(0, &rawFrame), "PNG");
    const TComPtr<IWICBitmapFrameDecode> frame(rawFrame);

    // AlphaBlend wants premultiplied BGRA.
    IWICFormatConverter* rawConverter = nullptr;
    Check(factory->CreateFormatConverter(&rawConverter), "Format");
    const TComPtr<IWICFormatConverter> converter(rawConverter);
    Check(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom),
          "Format");

    UINT width = 0, height = 0;
    Check(converter->GetSize(&width, &height), "Größe");
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top row first, as WIC delivers it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap == nullptr)
        throw std::runtime_error("Bild kann nicht gelesen werden (Speicher).");
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels)))) {
        DeleteObject(bitmap);
        Check(E_FAIL, "Pixel");
    }
    if (Bitmap != nullptr)
        DeleteObject(Bitmap);
    Bitmap = bitmap;
    PixelWidth = static_cast<int>(width);
    PixelHeight = static_cast<int>(height);
}

void TPicture::Draw(HDC Target, int Left, int Top) const
{
    if (Bitmap == nullptr)
        return;
    const HDC source = CreateCompatibleDC(Target);
    const HGDIOBJ previous = SelectObject(source, Bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(Target, Left, Top, PixelWidth, PixelHeight, source, 0, 0, PixelWidth, PixelHeight, blend);
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace vcl
