// The shipped resources are compiled into this library by qt_add_resources; this file only gives the
// static library a translation unit of its own.
namespace {
[[maybe_unused]] constexpr int kRatepadResources = 1;
}
