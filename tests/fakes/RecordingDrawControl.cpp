#include "fakes/RecordingDrawControl.h"

namespace {

std::string Args(std::initializer_list<long long> values) {
    std::string text;
    for (long long v : values) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(v);
    }
    return text;
}

}  // namespace

void RecordingDrawControl::Record(std::string call) {
    if (log) {
        log->push_back(call);
    }
    calls.push_back(std::move(call));
}

bool RecordingDrawControl::OpenSession(int32_t width, int32_t height, int32_t colourBits,
                                       const std::string& reserved) {
    Record("OpenSession(" + Args({width, height, colourBits}) + "," + reserved + ")");
    open = openResult;
    return openResult;
}

void RecordingDrawControl::CloseSession() {
    open = false;
    Record("CloseSession");
}

int32_t RecordingDrawControl::CreateSurface() {
    const int32_t n = next_++;
    surfaces[n] = Surface{};
    Record("CreateSurface=" + std::to_string(n));
    return n;
}

void RecordingDrawControl::LoadSurfacePicture(int32_t surface, int32_t kind,
                                              const std::string& path, int32_t keyMode) {
    surfaces[surface].path = path;
    surfaces[surface].keyMode = keyMode;
    Record("LoadSurfacePicture(" + Args({surface, kind}) + "," + path + "," +
           std::to_string(keyMode) + ")");
}

void RecordingDrawControl::SetSurfaceLeft(int32_t surface, int32_t x) {
    surfaces[surface].left = x;
    Record("SetSurfaceLeft(" + Args({surface, x}) + ")");
}

void RecordingDrawControl::SetSurfaceTop(int32_t surface, int32_t y) {
    surfaces[surface].top = y;
    Record("SetSurfaceTop(" + Args({surface, y}) + ")");
}

int32_t RecordingDrawControl::GetSurfaceLeft(int32_t surface) {
    Record("GetSurfaceLeft(" + Args({surface}) + ")");
    return surfaces[surface].left;
}

int32_t RecordingDrawControl::GetSurfaceTop(int32_t surface) {
    Record("GetSurfaceTop(" + Args({surface}) + ")");
    return surfaces[surface].top;
}

void RecordingDrawControl::MoveSurfaceRight(int32_t surface, int32_t n) {
    surfaces[surface].left += n;
    Record("MoveSurfaceRight(" + Args({surface, n}) + ")");
}

void RecordingDrawControl::MoveSurfaceUp(int32_t surface, int32_t n) {
    surfaces[surface].top -= n;
    Record("MoveSurfaceUp(" + Args({surface, n}) + ")");
}

void RecordingDrawControl::SetSurfaceOptionA(int32_t surface, int32_t value) {
    Record("SetSurfaceOptionA(" + Args({surface, value}) + ")");
}

void RecordingDrawControl::SetSurfaceOptionB(int32_t surface, int32_t value) {
    Record("SetSurfaceOptionB(" + Args({surface, value}) + ")");
}

void RecordingDrawControl::ClearFrame(uint32_t colour) {
    Record("ClearFrame(" + Args({colour}) + ")");
}

void RecordingDrawControl::DrawSurface(int32_t surface) {
    Record("DrawSurface(" + Args({surface}) + ")");
}

void RecordingDrawControl::SetTextFont(const std::string& face, int32_t size, int32_t weight,
                                       bool italic, bool underline, bool strikeOut) {
    Record("SetTextFont(" + face + "," + Args({size, weight, italic, underline, strikeOut}) + ")");
}

void RecordingDrawControl::DrawText(const std::string& text, int32_t x, int32_t y,
                                    uint32_t colour) {
    Record("DrawText(" + text + "," + Args({x, y, colour}) + ")");
}

void RecordingDrawControl::PresentFrame() {
    ++frames;
    Record("PresentFrame");
}

int32_t RecordingDrawControl::SurfaceOf(const std::string& fileName) const {
    for (const auto& [number, surface] : surfaces) {
        if (surface.path.size() >= fileName.size() &&
            surface.path.compare(surface.path.size() - fileName.size(), fileName.size(),
                                 fileName) == 0) {
            return number;
        }
    }
    return 0;
}
