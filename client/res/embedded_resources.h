// The artwork the build puts into the program: the bytes of each bitmap,
// icon and cursor file, as qp_embed writes them into a generated source.
#pragma once

#include <cstddef>
#include <span>

enum class EmbeddedKind { Bitmap, Icon, Cursor };

struct EmbeddedResource {
    EmbeddedKind kind;
    unsigned id;
    const unsigned char* data;
    std::size_t size;
};

// Every embedded resource, in the order the build lists them.
std::span<const EmbeddedResource> EmbeddedResources();
