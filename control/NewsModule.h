#pragma once
// The news browser's module, libmoyoscope-news.so, as the viewer finds and calls it.

class QWidget;

namespace moyo {

class TNewsView;

// The module's file name; it sits beside libmoyoscope.so.
inline constexpr const char* kNewsModuleFile = "libmoyoscope-news.so";
// Its one entry point: a new news view on parent, owned by the caller.
inline constexpr const char* kNewsViewEntry = "MoyoscopeCreateNewsView";
using CreateNewsViewFn = TNewsView* (*)(QWidget* parent);

}  // namespace moyo

extern "C" __attribute__((visibility("default"))) moyo::TNewsView* MoyoscopeCreateNewsView(
    QWidget* parent);
