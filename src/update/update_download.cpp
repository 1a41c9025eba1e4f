#include "update/update_download.h"

#include <atomic>
#include <mutex>

#include "platform/handle.h"
#include "platform/http_get.h"
#include "update/update_check.h"

namespace vix {

// What the worker and the dialog share; the worker keeps it alive when it
// outlasts the dialog's interest.
struct UpdateDownload::Shared {
    HWND window = nullptr;
    UINT progressMessage = 0;
    UINT doneMessage = 0;
    std::atomic<bool> stopped{false};
    mutable std::mutex mutex;
    Progress progress;
    bool begun = false;
    // Dropped with the last owner when the dialog has stopped listening.
    std::optional<UpdateProgram> program;

    void Post(UINT message, WPARAM wParam) const {
        if (!stopped) ::PostMessageW(window, message, wParam, 0);
    }
};

namespace {

bool WriteAll(HANDLE file, const char* data, std::size_t size) {
    DWORD written = 0;
    return ::WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

// The worker's body: fetches into the file, and deletes the file unless the
// whole program arrived and is on the disk.
bool Fetch(UpdateDownload::Shared& shared, const std::wstring& url, const std::wstring& path,
           const UpdateDownload::Limits& limits, const std::stop_token& stop) {
    platform::File file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    platform::HttpRequest request;
    request.url = url;
    request.userAgent = kUpdateUserAgent;
    request.accept = kUpdateAccept;
    request.timeoutMs = limits.waitMs;
    request.deadlineMs = limits.deadlineMs;
    request.maxBytes = static_cast<std::size_t>(limits.maxBytes);
    request.sink = [&file](const char* data, std::size_t size) {
        return WriteAll(file.get(), data, size);
    };
    const auto progress = [&shared](std::uint64_t received, std::optional<std::uint64_t> total) {
        bool first = false;
        {
            const std::lock_guard lock(shared.mutex);
            shared.progress = {received, total};
            first = !std::exchange(shared.begun, true);
        }
        shared.Post(shared.progressMessage, first ? 0 : 1);
    };
    const platform::HttpResponse response = platform::HttpGet(request, stop, progress);
    const bool whole = response.ok() && ::FlushFileBuffers(file.get());
    file.reset();
    return whole && !stop.stop_requested();
}

// The fetch, when there is one, then the check.
std::optional<UpdateProgram> FetchAndCheck(UpdateDownload::Shared& shared, const std::wstring& url,
                                           const std::wstring& path,
                                           const UpdateDownload::Limits& limits,
                                           const UpdateDownload::Check& check,
                                           const std::stop_token& stop) {
    if (!url.empty() && !Fetch(shared, url, path, limits, stop)) {
        ::DeleteFileW(path.c_str());
        return std::nullopt;
    }
    if (stop.stop_requested()) return std::nullopt;
    return check(stop);
}

}  // namespace

UpdateDownload::UpdateDownload(HWND window, UINT progressMessage, UINT doneMessage,
                               std::wstring url, std::wstring path, Check check, Limits limits)
    : shared_(std::make_shared<Shared>()) {
    shared_->window = window;
    shared_->progressMessage = progressMessage;
    shared_->doneMessage = doneMessage;
    worker_ = WorkerThread([shared = shared_, url = std::move(url), path = std::move(path),
                            check = std::move(check), limits](std::stop_token stop) {
        std::optional<UpdateProgram> program;
        try {
            program = FetchAndCheck(*shared, url, path, limits, check, stop);
        } catch (...) {
            // Out of memory or anything else: the download failed, and the
            // dialog hears so like of any other failure.
            if (!url.empty()) ::DeleteFileW(path.c_str());
        }
        {
            const std::lock_guard lock(shared->mutex);
            shared->program = std::move(program);
        }
        shared->Post(shared->doneMessage, 0);
    });
}

UpdateDownload& UpdateDownload::operator=(UpdateDownload&& other) noexcept {
    if (this != &other) {
        Stop();
        shared_ = std::move(other.shared_);
        worker_ = std::move(other.worker_);
    }
    return *this;
}

void UpdateDownload::Stop() {
    if (shared_) shared_->stopped = true;
    worker_.StopWithoutWaiting();
}

UpdateDownload::Progress UpdateDownload::progress() const {
    if (!shared_) return {};
    const std::lock_guard lock(shared_->mutex);
    return shared_->progress;
}

std::optional<UpdateProgram> UpdateDownload::TakeProgram() {
    if (!shared_) return std::nullopt;
    const std::lock_guard lock(shared_->mutex);
    return std::exchange(shared_->program, std::nullopt);
}

}  // namespace vix
