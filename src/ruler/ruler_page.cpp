#include "ruler/ruler_page.h"

#include "ruler/ruler_control_ids.h"
#include "platform/desktop.h"
#include "platform/screen_copy.h"
#include "ruler/ruler_measure.h"
#include "ruler/ruler_views.h"
#include "ui/edit_keys.h"
#include "ui/hints.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

const PageSpec kRulerPage{.tab = kRulerTab,
                          .caption = L"Ruler",
                          .toggleHint = L"Expand/Collapse Ruler",
                          .height = 69,
                          .shownSetting = &Setting(SettingId::RulerSectionOpen),
                          .shownByDefault = true};
const PageSpec kViewsPage{.tab = kRulerTab,
                          .caption = L"Ruler views",
                          .toggleHint = L"Expand/Collapse Ruler views",
                          .height = 61,
                          .shownSetting = &Setting(SettingId::RulerViewsSectionOpen)};
const PageSpec kInfoPage{.tab = kRulerTab,
                         .caption = L"Ruler info",
                         .toggleHint = L"Expand/Collapse Ruler info",
                         .height = 58,
                         .shownSetting = &Setting(SettingId::RulerInfoSectionOpen)};

HWND Field(HWND page, const Rect& bounds, const wchar_t* hint, int id) {
    HWND field = ui::CreateStandardControl(
        page, L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | WS_DISABLED, bounds, id);
    ui::SetHint(field, hint);
    return field;
}

std::wstring FieldText(HWND field) { return platform::WindowText(field); }

// Enter in the field and leaving it for another control of the main window
// both run `apply` (the field's KeyPress and Exit handlers). Losing the focus
// to another window does not: the error box `apply` may raise would run it a
// second time, and a click on the ruler would move the ruler to the fields'
// corner, which for a vertical ruler is not where it is.
void BindField(HWND field, const std::function<void()>& apply) {
    ui::OnEditChar(field, [apply](wchar_t c) {
        if (c != L'\r') return false;
        apply();
        return true;
    });
    ui::OnEditExit(field, apply);
}

}  // namespace

void RulerPage::Create(HWND page, HWND viewsPage, const ui::Panel& infoPage) {
    btnEnableRuler.Create(page, Rect::FromBounds(6, 6, 32, 32), L"Enable Ruler",
                          ui::PicturesOf(L"IMG_RULER_ENABLE"));
    btnEnableRuler.onClick = [this] { btnEnableRulerClick(); };
    btnRotateRuler.Create(page, Rect::FromBounds(44, 10, 24, 24), L"Rotate Ruler",
                          ui::RestHoverPictures(L"IMG_RULER_HORIZONTAL"));
    btnRotateRuler.onClick = [this] { btnRotateRulerClick(); };
    btnFlipRuler.Create(page, Rect::FromBounds(70, 10, 24, 24), L"Flip Ruler",
                        ui::RestHoverPictures(L"IMG_RULER_HA"));
    btnFlipRuler.onClick = [this] { btnFlipRulerClick(); };
    btnRotateRuler.SetEnabled(false);
    btnFlipRuler.SetEnabled(false);

    captions_[0].Create(page, Rect::FromBounds(102, 11, 12, 14), L"X:");
    lblXrulerPos = Field(page, Rect::FromBounds(116, 8, 48, 19), L"X position", kIdRulerX);
    captions_[1].Create(page, Rect::FromBounds(174, 11, 12, 14), L"Y:");
    lblYrulerPos = Field(page, Rect::FromBounds(188, 8, 48, 19), L"Y position", kIdRulerY);
    captions_[2].Create(page, Rect::FromBounds(6, 47, 40, 14), L"Length:");
    edtLength = Field(page, Rect::FromBounds(48, 44, 72, 19), L"Ruler length", kIdRulerLength);
    lstRulerUnits = ui::CreateDropDownList(
        page, Rect::FromBounds(126, 43, 110, 20),
        {L"Pixels", L"Inches", L"Centimetres", L"Picas", L"Percent"}, kIdRulerUnits);
    ::EnableWindow(lstRulerUnits, FALSE);
    ui::SuppressContextMenu(lstRulerUnits);  // lstRulerUnitsContextPopup

    // Enter in a field applies it; so does leaving the field.
    BindField(lblXrulerPos, [this] { PositionFieldExit(); });
    BindField(lblYrulerPos, [this] { PositionFieldExit(); });
    BindField(edtLength, [this] { edtLengthExit(); });
    ui::OnCommand(lstRulerUnits, [this](UINT code) {
        if (code == CBN_SELCHANGE) lstRulerUnitsChange();
    });

    imgLeftRulerView32.Create(viewsPage, Rect::FromBounds(20, 6, kEndViewSize, kEndViewSize));
    imgLeftRulerView32.SetPictureHint(L"Enlarged view of ruler begin");
    imgLeftRulerView32.SetId(kIdRulerBeginView);
    imgRightRulerView32.Create(viewsPage, Rect::FromBounds(110, 6, kEndViewSize, kEndViewSize));
    imgRightRulerView32.SetPictureHint(L"Enlarged view of ruler end");
    imgRightRulerView32.SetId(kIdRulerEndView);
    imgLeftRulerView32.SetVisible(false);
    imgRightRulerView32.SetVisible(false);

    pnlRulerinfoPage = &infoPage;
    struct Row {
        const wchar_t* caption;
        ui::Label* label;
        const wchar_t* hint;
        int x, y;
    };
    const Row rows[] = {
        {L"Pixels:", &pnlRulerInfoPixels, L"Current length of ruler in pixels", 6, 4},
        {L"Inches:", &pnlRulerInfoInches, L"Current length of ruler in inches", 6, 20},
        {L"Centimetres:", &pnlRulerInfoCentimeters, L"Current length of ruler in centimetres", 6,
         36},
        {L"Picas:", &pnlRulerInfoPicas, L"Current length of ruler in picas", 130, 4},
        {L"Percent:", &pnlRulerInfoPercent, L"Current length of ruler in percent", 130, 20},
        {L"DPI:", &pnlRulerInfoCurrDPI, L"Your current screen DPI settings", 130, 36},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        infoCaptions_[i].Create(infoPage.hwnd(), Rect::FromBounds(r.x, r.y, 62, 14), r.caption);
        r.label->Create(infoPage.hwnd(), Rect::FromBounds(r.x + 64, r.y, 56, 14), L"");
        r.label->SetHint(r.hint);
        r.label->SetId(kIdRulerInfoFirst + static_cast<int>(i));
    }
}

std::span<const PageSpec* const> RulerPage::Pages() const {
    static constexpr const PageSpec* kPages[] = {&kRulerPage, &kViewsPage, &kInfoPage};
    return kPages;
}

void RulerPage::Build(ToolPages& pages) {
    Create(pages.Page(kRulerPage).hwnd(), pages.Page(kViewsPage).hwnd(), pages.Page(kInfoPage));
    WriteDpi();
}

void RulerPage::SettingsLoaded(const Settings& settings, bool) { SelectUnit(settings.rulerUnit); }

std::vector<HotKeyBinding> RulerPage::HotKeys() {
    const auto onRulerTab = [](HotKeyId key, std::function<void()> action,
                               const PageSpec* expand = nullptr) {
        return HotKeyBinding{.key = key,
                             .reach = HotKeyBinding::Reach::OpenTab,
                             .tab = kRulerTab,
                             .expand = expand,
                             .action = std::move(action)};
    };
    return {onRulerTab(
                HotKeyId::Ruler, [this] { btnEnableRulerClick(); }, &kRulerPage),
            onRulerTab(HotKeyId::RotateRuler, [this] { btnRotateRulerClick(); }),
            onRulerTab(HotKeyId::FlipRuler, [this] { btnFlipRulerClick(); })};
}

void RulerPage::WriteDpi() {
    pnlRulerInfoCurrDPI.SetCaption(std::to_wstring(platform::ScreenDpi()));
}

void RulerPage::SelectUnit(int index) {
    // An index that names no item leaves the list without a selection.
    unit_ = RulerUnitAt(index);
    ::SendMessageW(lstRulerUnits, CB_SETCURSEL, static_cast<WPARAM>(unit_), 0);
}

void RulerPage::btnEnableRulerClick() {
    if (!active_)
        showrulerproc();
    else
        HideRuler();
}

void RulerPage::showrulerproc() {
    imgLeftRulerView32.SizeBitmap({kEndViewSize, kEndViewSize}, std::nullopt);
    imgRightRulerView32.SizeBitmap({kEndViewSize, kEndViewSize}, std::nullopt);
    imgLeftRulerView32.SetVisible(true);
    imgRightRulerView32.SetVisible(true);
    host_.SetCurrentMode(kMode);
    for (HWND control : {lblXrulerPos, lblYrulerPos, edtLength, lstRulerUnits})
        ::EnableWindow(control, TRUE);
    ruler_.ShowRuler(unit_);
    btnEnableRuler.SetPictureHint(L"Disable Ruler");
    btnEnableRuler.SetPictures(ui::PicturesOf(L"IMG_RULER_DISABLE"));
    btnRotateRuler.SetEnabled(true);
    btnFlipRuler.SetEnabled(true);
    active_ = true;
    beginBusy_ = endBusy_ = false;
    viewTimer_.Start(kRulerViewInterval, [this] { RulerEvent(); });
}

void RulerPage::HideRuler() {
    viewTimer_.Stop();
    ruler_.Hide();
    host_.SetCurrentMode(ActiveMode::None);
    imgLeftRulerView32.SetVisible(false);
    imgRightRulerView32.SetVisible(false);
    for (HWND field : {lblXrulerPos, lblYrulerPos, edtLength}) {
        ::SetWindowTextW(field, L"");
        ::EnableWindow(field, FALSE);
    }
    ::EnableWindow(lstRulerUnits, FALSE);
    btnEnableRuler.SetPictureHint(L"Enable Ruler");
    btnEnableRuler.SetPictures(ui::PicturesOf(L"IMG_RULER_ENABLE"));
    active_ = false;
    btnRotateRuler.SetPictureHint(L"Vertical Ruler");
    btnRotateRuler.SetPictures(ui::RestHoverPictures(L"IMG_RULER_HORIZONTAL"));
    btnFlipRuler.SetPictures(ui::RestHoverPictures(L"IMG_RULER_HA"));
    btnRotateRuler.SetEnabled(false);
    btnFlipRuler.SetEnabled(false);
    for (ui::Label* l : {&pnlRulerInfoPixels, &pnlRulerInfoInches, &pnlRulerInfoCentimeters,
                         &pnlRulerInfoPicas, &pnlRulerInfoPercent})
        l->SetCaption(L"");
    WriteDpi();
    host_.KeepOnTop();
}

void RulerPage::btnRotateRulerClick() { ruler_.RotateRuler(); }

void RulerPage::btnFlipRulerClick() { ruler_.FlipRuler(); }

int RulerPage::DesktopSpan() const {
    const Rect desktop = platform::VirtualDesktop();
    const bool horizontal = IsHorizontal(ruler_.RulerOrientation);
    return horizontal ? desktop.width() : desktop.height();
}

void RulerPage::RulerMoved(const RulerChange& change) {
    if (change.line) rulerLine_ = *change.line;
    // The ruler window is made with the program's windows, before this
    // page's controls may be: until they are, there is nothing to show.
    if (!pnlRulerinfoPage) return;
    if (change.length) ShowRulerLength(*change.length);
    ShowRulerPosition(change.position);
    if (change.redrawViews) RulerEvent();
}

void RulerPage::ShowRulerLength(int pixels) {
    const RulerLengths all =
        LengthsOf(pixels, platform::ScreenDpi(), DesktopSpan(), host_.DecimalSeparator());
    if (pnlRulerinfoPage->Visible()) {
        pnlRulerInfoPixels.SetCaption(all.pixels);
        pnlRulerInfoInches.SetCaption(all.inches);
        pnlRulerInfoCentimeters.SetCaption(all.centimetres);
        pnlRulerInfoPicas.SetCaption(all.picas);
        pnlRulerInfoPercent.SetCaption(all.percent);
    }
    if (unit_ == kNoUnit) return;
    ::SetWindowTextW(edtLength, all.InUnit(unit_).c_str());
}

void RulerPage::ShowRulerPosition(Point position) {
    if (host_.CurrentMode() != kMode) return;
    ::SetWindowTextW(lblXrulerPos, std::to_wstring(position.x).c_str());
    ::SetWindowTextW(lblYrulerPos, std::to_wstring(position.y).c_str());
}

// Both fields (lblXrulerPosExit, lblYrulerPosExit) set the window's corner,
// whatever point the ruler shows.
void RulerPage::PositionFieldExit() {
    const auto x = ParseInteger(FieldText(lblXrulerPos));
    const auto y = ParseInteger(FieldText(lblYrulerPos));
    if (x && y) ruler_.MoveRuler(*x, *y);
}

void RulerPage::edtLengthExit() {
    const std::wstring text = FieldText(edtLength);
    if (text.empty()) return;
    // Raises the conversion error for text that is no number.
    const auto pixels =
        TypedLength(text, unit_, platform::ScreenDpi(), DesktopSpan(), host_.DecimalSeparator());
    if (pixels) ruler_.SetRulerLength(*pixels);
}

void RulerPage::lstRulerUnitsChange() {
    unit_ = RulerUnitAt(static_cast<int>(::SendMessageW(lstRulerUnits, CB_GETCURSEL, 0, 0)));
    ruler_.RulerUnit = unit_;
    if (host_.CurrentMode() == kMode) {
        ruler_.PaintRuler();
        ruler_.RulerChanged();
    }
}

void RulerPage::ShowTurnPictures(const TurnPictures& pictures) {
    if (pictures.rotate) btnRotateRuler.SetPictures(ui::RestHoverPictures(*pictures.rotate));
    btnFlipRuler.SetPictures(ui::RestHoverPictures(pictures.flip));
}

platform::GdiColor RulerPage::RulerColor() const {
    return ui::ColorFromSetting(host_.CurrentSettings().rulerColor);
}

void RulerPage::RepaintLengthField() {
    // Without the field, a repaint of none would be one of every window.
    if (edtLength) ::InvalidateRect(edtLength, nullptr, TRUE);
}

void RulerPage::RulerEvent() {
    if (!viewTimer_.Running()) return;
    viewTimer_.Pause();
    const platform::WindowDC screen;
    DrawView(imgLeftRulerView32, rulerLine_.from, true, beginBusy_, screen.get());
    DrawView(imgRightRulerView32, rulerLine_.to, false, endBusy_, screen.get());
    viewTimer_.Resume();
}

void RulerPage::DrawView(ui::BitmapView& view, Point point, bool beginView, bool& busy,
                         HDC screen) {
    // Without the copy's bitmap there is no view this time; the next tries again.
    if (busy || !scratch_.Resize({kEndViewCells, kEndViewCells})) return;
    busy = true;
    const Rect square = Rect::FromBounds(point.x - 3, point.y - 3, kEndViewCells, kEndViewCells);
    platform::CopyScreenSquare(scratch_.dc(), square, screen);
    // Cut off at the desktop's left or top edge, the block shifts so that
    // the point stays in the centre cell; what lies beyond shows black.
    const EndViewSource layout = LayoutEndView(point, platform::VirtualDesktop());
    HDC dc = view.DC();
    platform::FillSolid(dc, {0, 0, kEndViewSize, kEndViewSize}, platform::kBlack);
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, layout.shift.x, layout.shift.y, kEndViewSize, kEndViewSize, scratch_.dc(),
                 layout.source.x - square.left, layout.source.y - square.top, kEndViewCells,
                 kEndViewCells, SRCCOPY);
    const EndViewPiece piece = SchematicPiece(ruler_.RulerOrientation, beginView);
    platform::FillSolid(dc, platform::ToRECT(piece.body), RulerColor());
    for (const Rect& line : piece.black)
        platform::FillSolid(dc, platform::ToRECT(line), platform::kBlack);
    view.Present();
    busy = false;
}

}  // namespace vix
