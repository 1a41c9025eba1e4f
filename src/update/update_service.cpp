#include "update/update_service.h"

#include "ui/panel.h"
#include "update/update_server.h"
#include "update/update_source.h"

namespace vix {
namespace {

constexpr UINT kStartDelayMs = 1000;

constexpr PageSpec kLinksPage{
    .tab = kMoreTab, .caption = L"Webdevelopment links", .height = 291, .shownByDefault = true};

}  // namespace

UpdateService::UpdateService(UpdateHost& host, Tvix_update& dialog)
    : host_(host), dialog_(dialog), server_(ServerFromEnvironment()) {}

void UpdateService::CreateLinksPanel(HWND parent, const Rect& bounds) {
    // Without a server, or with a plain http one, the panel has no site:
    // every link goes outside.
    links_.Create(parent, bounds, server_ ? LinksSite(*server_) : std::nullopt);
}

std::span<const PageSpec* const> UpdateService::Pages() const {
    static constexpr const PageSpec* kPages[] = {&kLinksPage};
    return kPages;
}

void UpdateService::Build(ToolPages& pages) {
    CreateLinksPanel(pages.Page(kLinksPage).hwnd(), Rect::FromBounds(2, 0, 251, 289));
    // Started before its page was built.
    if (started_) LoadLinksWhenShown();
}

void UpdateService::Shown() {
    if (started_) return;
    startTimer_.Start(kStartDelayMs, [this] {
        startTimer_.Stop();
        Start();
    });
}

void UpdateService::Start() {
    if (started_) return;
    started_ = true;
    // Before its page is built the panel has no window: the build arms it.
    if (links_.hwnd()) LoadLinksWhenShown();
    if (!server_) return;
    const std::wstring query = UpdateQueryAddress(*server_, ComputerName()).ToString();
    check_ = UpdateCheck(calls_.GetCaller(), query, [this](const UpdateAnswer& answer) {
        HandleUpdateAnswer(answer, host_, dialog_);
    });
}

void UpdateService::LoadLinksWhenShown() {
    links_.WhenFirstShown([this] {
        links_.AddBrowser();
        // The panel keeps https pages only: over plain http it would send
        // its own start page to the default browser.
        if (server_ && LinksSite(*server_)) links_.Navigate(LinksPageAddress(*server_).ToString());
    });
}

void UpdateService::Stop() {
    startTimer_.Stop();
    // Closed first: a worker that is not waited for never calls back.
    calls_.Close();
    check_.Stop();
}

}  // namespace vix
