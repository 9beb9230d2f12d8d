#include "x_probe.h"

#include <xcb/shape.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace qttest {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Take(T* reply)
{
    return Reply<T>(reply, &std::free);
}

} // namespace

XProbe::XProbe()
{
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_) != 0)
        return;
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    root_ = xcb_setup_roots_iterator(setup).data->root;
    // Pixels are read as 32-bit little-endian words with red in bits 16-23.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    bool trueColour = false;
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem != 0; xcb_depth_next(&depths))
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem != 0; xcb_visualtype_next(&visuals))
            if (visuals.data->visual_id == screen->root_visual)
                trueColour = visuals.data->red_mask == 0xFF0000 && visuals.data->blue_mask == 0xFF;
    ok_ = trueColour && setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST && screen->root_depth == 24;
}

XProbe::~XProbe() { xcb_disconnect(connection_); }

std::optional<XRect> XProbe::Geometry(std::uint32_t window)
{
    auto geometry = Take(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    if (!geometry)
        return std::nullopt;
    auto translated = Take(xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr));
    if (!translated)
        return std::nullopt;
    return XRect{translated->dst_x, translated->dst_y, geometry->width, geometry->height};
}

bool XProbe::Viewable(std::uint32_t window)
{
    auto attributes = Take(
        xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

bool XProbe::Exists(std::uint32_t window)
{
    auto attributes = Take(
        xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr));
    return attributes != nullptr;
}

std::vector<XRect> XProbe::BoundingShape(std::uint32_t window)
{
    std::vector<XRect> rects;
    auto reply = Take(xcb_shape_get_rectangles_reply(
        connection_, xcb_shape_get_rectangles(connection_, window, XCB_SHAPE_SK_BOUNDING), nullptr));
    if (!reply)
        return rects;
    const xcb_rectangle_t* list = xcb_shape_get_rectangles_rectangles(reply.get());
    const int count = xcb_shape_get_rectangles_rectangles_length(reply.get());
    for (int i = 0; i < count; ++i)
        rects.push_back(XRect{list[i].x, list[i].y, list[i].width, list[i].height});
    return rects;
}

std::optional<std::uint32_t> XProbe::Pixel(std::uint32_t window, int x, int y)
{
    auto image = Take(xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y), 1, 1, ~0u),
        nullptr));
    if (!image || xcb_get_image_data_length(image.get()) < 4)
        return std::nullopt;
    std::uint32_t word;
    std::memcpy(&word, xcb_get_image_data(image.get()), 4);
    return word & 0xFFFFFFu;
}

void XProbe::MovePointer(int x, int y)
{
    xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_, static_cast<std::int16_t>(x),
                        static_cast<std::int16_t>(y), 0);
    Sync();
}

void XProbe::Button(int button, bool down)
{
    xcb_test_fake_input(connection_, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, static_cast<std::uint8_t>(button),
                        XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    Sync();
}

bool XProbe::Key(std::uint32_t keysym, bool down)
{
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto mapping = Take(xcb_get_keyboard_mapping_reply(
        connection_,
        xcb_get_keyboard_mapping(connection_, static_cast<xcb_keycode_t>(first), static_cast<std::uint8_t>(count)),
        nullptr));
    if (!mapping)
        return false;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perCode = mapping->keysyms_per_keycode;
    const int total = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    for (int i = 0; perCode > 0 && i + perCode <= total; i += perCode) {
        if (syms[i] != keysym)
            continue;
        xcb_test_fake_input(connection_, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE,
                            static_cast<std::uint8_t>(first + i / perCode), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        Sync();
        return true;
    }
    return false;
}

std::uint32_t XProbe::Atom(const char* name)
{
    auto reply = Take(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : XCB_NONE;
}

void XProbe::RequestClose(std::uint32_t window)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom("WM_PROTOCOLS");
    event.data.data32[0] = Atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    Sync();
}

bool XProbe::WindowManagerRunning()
{
    const std::uint32_t check = Atom("_NET_SUPPORTING_WM_CHECK");
    auto reply = Take(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, root_, check, XCB_ATOM_WINDOW, 0, 1), nullptr));
    return reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 4;
}

std::optional<std::uint32_t> XProbe::WmState(std::uint32_t window)
{
    const std::uint32_t wmState = Atom("WM_STATE");
    auto reply = Take(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, wmState, wmState, 0, 2), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    std::uint32_t state;
    std::memcpy(&state, xcb_get_property_value(reply.get()), 4);
    return state;
}

std::vector<std::uint32_t> XProbe::WindowIcon(std::uint32_t window)
{
    // Icons are small: 64 KiB of values is far more than any of ours.
    constexpr std::uint32_t kMaxValues = 16384;
    auto reply = Take(xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 0, window, Atom("_NET_WM_ICON"), XCB_ATOM_CARDINAL, 0, kMaxValues), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const int bytes = xcb_get_property_value_length(reply.get());
    std::vector<std::uint32_t> values(static_cast<std::size_t>(bytes) / 4);
    std::memcpy(values.data(), xcb_get_property_value(reply.get()), values.size() * 4);
    return values;
}

void XProbe::SendToRoot(std::uint32_t window, const char* type, std::uint32_t first, std::uint32_t second)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(type);
    event.data.data32[0] = first;
    event.data.data32[1] = second;
    xcb_send_event(connection_, 0, root_, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    Sync();
}

void XProbe::AskToIconify(std::uint32_t window) { SendToRoot(window, "WM_CHANGE_STATE", kIconicState, 0); }

// Source indication 2: a pager, which window managers obey at once.
void XProbe::AskToActivate(std::uint32_t window) { SendToRoot(window, "_NET_ACTIVE_WINDOW", 2, XCB_CURRENT_TIME); }

void XProbe::Sync()
{
    auto reply = Take(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

} // namespace qttest
