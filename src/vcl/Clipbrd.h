#pragma once

#include <windows.h>

#include <string>

namespace vcl {

// The system clipboard. Opens nest: the system clipboard is opened by the
// first Open and closed by the matching last Close, so several operations can
// share one opening.
class TClipboard
{
public:
    TClipboard() = default;
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;
    ~TClipboard();

    // Throws std::runtime_error with the system's reason if the clipboard is
    // held by another program.
    void Open();
    void Close();
    // Removes everything from the clipboard.
    void Clear();
    // Replaces the clipboard's contents with Text as Unicode text
    // (CF_UNICODETEXT, with its terminating zero).
    void SetAsText(const std::u16string& Text);

private:
    HWND OwnerWindow();

    int OpenCount = 0;
    HWND OwnWindow = nullptr; // only when the application has no window
};

// Keeps a clipboard open for as long as it lives. If opening fails, the
// constructor throws and there is nothing to close.
class TClipboardOpened
{
public:
    explicit TClipboardOpened(TClipboard& OpenedClipboard) : Clipboard(OpenedClipboard) { Clipboard.Open(); }
    ~TClipboardOpened() { Clipboard.Close(); }
    TClipboardOpened(const TClipboardOpened&) = delete;
    TClipboardOpened& operator=(const TClipboardOpened&) = delete;

private:
    TClipboard& Clipboard;
};

// The process-wide clipboard object, made on first use.
TClipboard& Clipboard();

} // namespace vcl
