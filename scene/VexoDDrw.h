#pragma once

#include <cstdint>
#include <string>

// The drawing control: one 1024 x 768 frame composed unseen and then shown,
// numbered picture surfaces that keep their own positions, and text drawing.
// The saver draws through nothing else, so a recording fake can stand in for
// the real control in tests.
class VexoDDrw {
public:
    // Key modes of LoadSurfacePicture.
    static constexpr int32_t KeyTransparent = -1;  // key colour (and alpha) let through
    static constexpr int32_t KeyOpaque = -2;       // every pixel drawn

    virtual ~VexoDDrw() = default;

    virtual bool OpenSession(int32_t width, int32_t height, int32_t colourBits,
                             const std::string& reserved) = 0;
    virtual void CloseSession() = 0;

    virtual int32_t CreateSurface() = 0;
    virtual void LoadSurfacePicture(int32_t surface, int32_t kind, const std::string& path,
                                    int32_t keyMode) = 0;
    virtual void SetSurfaceLeft(int32_t surface, int32_t x) = 0;
    virtual void SetSurfaceTop(int32_t surface, int32_t y) = 0;
    virtual int32_t GetSurfaceLeft(int32_t surface) = 0;
    virtual int32_t GetSurfaceTop(int32_t surface) = 0;
    virtual void MoveSurfaceRight(int32_t surface, int32_t n) = 0;
    virtual void MoveSurfaceUp(int32_t surface, int32_t n) = 0;
    virtual void SetSurfaceOptionA(int32_t surface, int32_t value) = 0;
    virtual void SetSurfaceOptionB(int32_t surface, int32_t value) = 0;

    virtual void ClearFrame(uint32_t colour) = 0;
    virtual void DrawSurface(int32_t surface) = 0;
    virtual void SetTextFont(const std::string& face, int32_t size, int32_t weight, bool italic,
                             bool underline, bool strikeOut) = 0;
    virtual void DrawText(const std::string& text, int32_t x, int32_t y, uint32_t colour) = 0;
    virtual void PresentFrame() = 0;
};

// Colours are 0x00BBGGRR, red in the low byte.
constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return (blue << 16) | (green << 8) | red;
}
