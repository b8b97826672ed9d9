// A scrolling strip chart bound to a template static: every sample moves the picture four
// pixels (at 96 dpi) to the left and draws the newest value as a green bar at the right edge. The
// picture lives in an off-screen bitmap, so painting only copies it. The samples it shows are
// kept, so that a theme switch (high contrast) redraws them in the new colours.
#ifndef SKYLOOK_CONTROLS_THROUGHPUT_GRAPH_H
#define SKYLOOK_CONTROLS_THROUGHPUT_GRAPH_H

#include "framework/Control.h"
#include "framework/Gdi.h"

#include <cstdint>
#include <deque>
#include <string>

class CThroughputGraph : public CControl {
public:
    static constexpr COLORREF BackgroundColour = RGB(0, 0, 0);
    static constexpr COLORREF GridColour = RGB(0, 128, 0);
    static constexpr COLORREF BarColour = RGB(0, 255, 0);

    // Stores the bounds (unchecked) and prepares the picture on the first call; later calls
    // keep the picture and its history and only repaint.
    void SetRange(uint32_t minimum, uint32_t maximum);
    // Clamps, stores and draws the value as the newest column; returns the previous value.
    uint32_t SetPos(uint32_t value);

    uint32_t Minimum() const { return m_minimum; }
    uint32_t Maximum() const { return m_maximum; }
    uint32_t Pos() const { return m_current; }
    bool IsPrepared() const { return m_picture.DC() != nullptr; }
    SIZE PictureSize() const { return SIZE{m_picture.Width(), m_picture.Height()}; }

    // What a reader hears of the graph: a graphic named by the label before it (or the name
    // given), its value the rate as the owner shows it in figures beside the graph.
    void SetAccessibleName(const std::string& name) { m_accessibleName = name; }
    void SetValueText(const std::string& text) { m_valueText = text; }
    bool DescribeForAccessibility(AccessibleFacts& facts) const override;

    // Copies the picture to dc at (0,0); nothing before the first SetRange.
    void CopyPicture(HDC dc) const;

protected:
    bool OnPaint() override;
    void OnDpiChanged() override;
    bool OnEraseBackground(HDC dc) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Prepare();
    // The picture made again for the client area now, with the kept samples.
    void Remake();
    // Pixels at 96 dpi at the window's DPI.
    // The picture the graph draws into, at the control's size; false when it cannot be made.
    bool CreatePicture();
    int Scaled(int pixels) const;
    // The background and grid over the whole picture, then every kept sample.
    void RedrawPicture();
    void DrawNewest();
    void DrawGrid(int left, int right);

    uint32_t m_minimum = 0;
    uint32_t m_maximum = 100;
    uint32_t m_current = 0;
    COffscreenBitmap m_picture;
    std::deque<uint32_t> m_shown;  // the samples in the picture, oldest first
    std::string m_accessibleName;
    std::string m_valueText;
};

#endif
