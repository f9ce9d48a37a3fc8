#pragma once

#include "KelvaroForm.h"

#include <gtest/gtest.h>

#include <memory>

// A Kelvaro window made from the definition compiled into the test program,
// shown and active, with the messages that showing it caused handled.
class TWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Handles the messages waiting, as the program's message loop would.
    static void ProcessMessages();
    // A key pressed and released on the focused window, through the message loop.
    static void PressKey(WORD VirtualKey);
    // The control's rectangle in its parent's client coordinates.
    static RECT RectInParent(const vcl::TControl& Control);
    static RECT ClientRect(HWND Window);
    int Scaled(int DesignValue) const;

    std::unique_ptr<TFormKelvaroWin> Form;
    UINT Dpi = 96;
};
