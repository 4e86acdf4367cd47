#pragma once

#include <map>
#include <string>
#include <vector>

#include "scene/VexoDDrw.h"

// A drawing control that draws nothing: it keeps the surfaces' positions as
// the real one does and records every call as text, for example
// "DrawSurface(3)" or "DrawText(It's Christmas,400,25,255)".
class RecordingDrawControl : public VexoDDrw {
public:
    struct Surface {
        std::string path;
        int32_t keyMode = 0;
        int32_t left = 0;
        int32_t top = 0;
    };

    bool OpenSession(int32_t width, int32_t height, int32_t colourBits,
                     const std::string& reserved) override;
    void CloseSession() override;
    int32_t CreateSurface() override;
    void LoadSurfacePicture(int32_t surface, int32_t kind, const std::string& path,
                            int32_t keyMode) override;
    void SetSurfaceLeft(int32_t surface, int32_t x) override;
    void SetSurfaceTop(int32_t surface, int32_t y) override;
    int32_t GetSurfaceLeft(int32_t surface) override;
    int32_t GetSurfaceTop(int32_t surface) override;
    void MoveSurfaceRight(int32_t surface, int32_t n) override;
    void MoveSurfaceUp(int32_t surface, int32_t n) override;
    void SetSurfaceOptionA(int32_t surface, int32_t value) override;
    void SetSurfaceOptionB(int32_t surface, int32_t value) override;
    void ClearFrame(uint32_t colour) override;
    void DrawSurface(int32_t surface) override;
    void SetTextFont(const std::string& face, int32_t size, int32_t weight, bool italic,
                     bool underline, bool strikeOut) override;
    void DrawText(const std::string& text, int32_t x, int32_t y, uint32_t colour) override;
    void PresentFrame() override;

    // The surface that holds the picture with this file name, or 0.
    int32_t SurfaceOf(const std::string& fileName) const;

    std::vector<std::string> calls;
    std::map<int32_t, Surface> surfaces;
    bool openResult = true;
    bool open = false;
    int frames = 0;
    // When set, every call is also appended here (shared with other fakes).
    std::vector<std::string>* log = nullptr;

private:
    void Record(std::string call);
    int32_t next_ = 1;
};
