#include "platform/SharedImage.h"

#include <sys/ipc.h>
#include <sys/shm.h>

namespace {

// What the image's cleanup releases.
struct Mapping {
    void* address;
    int segment;
};

void release(void* info) {
    const auto* mapping = static_cast<Mapping*>(info);
    shmdt(mapping->address);
    shmctl(mapping->segment, IPC_RMID, nullptr);
    delete mapping;
}

}  // namespace

QImage SharedImage::create(const QSize& size, int& segment) {
    segment = -1;
    if (size.isEmpty()) {
        return {};
    }
    const qsizetype bytesPerLine = static_cast<qsizetype>(size.width()) * 4;
    const auto bytes =
        static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(size.height());
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0) {
        return QImage(size, QImage::Format_RGB32);
    }
    void* address = shmat(id, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        return QImage(size, QImage::Format_RGB32);
    }
    segment = id;
    return QImage(static_cast<uchar*>(address), size.width(), size.height(), bytesPerLine,
                  QImage::Format_RGB32, release, new Mapping{address, id});
}
