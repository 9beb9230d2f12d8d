#include "artwork.h"

#include "button_art.h"
#include "frame_art.h"
#include "icon_art.h"
#include "notifier_art.h"
#include "strip_art.h"

#include <fstream>
#include <functional>

namespace artgen {
namespace {

std::string BitmapName(unsigned id) { return "bitmap_" + std::to_string(id) + ".bmp"; }
std::string IconName(unsigned id) { return "icon_" + std::to_string(id) + ".ico"; }
std::string CursorName(unsigned id) { return "cursor_" + std::to_string(id) + ".cur"; }

bool WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool WriteIcon(const std::filesystem::path& path, const iconfile::IconFile& file)
{
    const iconfile::IconWriteResult written = iconfile::WriteIconFile(file);
    return written.error == iconfile::IconError::None && WriteBytes(path, written.bytes);
}

// One bitmap: drawn by `draw` and saved under `name`.
struct BitmapJob {
    std::string name;
    std::function<bool(CDIB&)> draw;
};

std::vector<BitmapJob> BitmapJobs(const Canvas& frame, const FrameLayout& layout)
{
    std::vector<BitmapJob> jobs;
    jobs.push_back({"Frame.bmp", [&frame](CDIB& dib) { return MakeFrameBitmap(frame, dib); }});
    jobs.push_back({"Title.bmp", [&frame, &layout](CDIB& dib) { return MakeTitleBitmap(frame, layout, dib); }});
    for (const skin::ButtonPlace& place : skin::kSkinButtons) {
        jobs.push_back({BitmapName(place.normal), [&frame, place](CDIB& dib) {
                            return MakeButtonFace(frame, place, false, dib);
                        }});
        jobs.push_back(
            {BitmapName(place.over), [&frame, place](CDIB& dib) { return MakeButtonFace(frame, place, true, dib); }});
    }
    jobs.push_back({BitmapName(IDB_TICKER_BUTTON), [&frame](CDIB& dib) { return MakeTickerButtonFace(frame, dib); }});
    jobs.push_back({BitmapName(IDB_TICKER_FRAME),
                    [&frame, &layout](CDIB& dib) { return MakeTickerFrameFace(frame, layout, dib); }});
    jobs.push_back({BitmapName(IDB_NOTIFIER_SKIN), [](CDIB& dib) { return MakeNotifierSkin(dib); }});
    return jobs;
}

struct IconJob {
    std::string name;
    std::function<iconfile::IconFile()> draw;
};

std::vector<IconJob> IconJobs()
{
    std::vector<IconJob> jobs;
    jobs.push_back({IconName(IDR_MAINFRAME), [] { return MakeProgramIcon(); }});
    jobs.push_back({IconName(IDI_TRAY_LOGIN), [] { return MakeTrayIcon(TrayState::LoggedIn); }});
    jobs.push_back({IconName(IDI_TRAY_LOGOUT), [] { return MakeTrayIcon(TrayState::LoggedOut); }});
    for (int i = 0; i < kAnimationFrames; ++i)
        jobs.push_back(
            {IconName(static_cast<unsigned>(IDI_TRAY_ANIM_FIRST + i)), [i] { return MakeTrayAnimationFrame(i); }});
    jobs.push_back({CursorName(IDC_POINTER_HAND), [] { return MakeHandCursor(); }});
    return jobs;
}

} // namespace

std::vector<std::string> WriteArtwork(const std::filesystem::path& directory, const FrameLayout& layout)
{
    std::vector<std::string> failed;
    const Canvas frame = PaintFrame(layout);
    for (const BitmapJob& job : BitmapJobs(frame, layout)) {
        CDIB dib;
        const std::string path = (directory / job.name).string();
        if (!job.draw(dib) || !dib.SaveBMP(path.c_str()))
            failed.push_back(job.name);
    }
    for (const IconJob& job : IconJobs())
        if (!WriteIcon(directory / job.name, job.draw()))
            failed.push_back(job.name);
    return failed;
}

} // namespace artgen
