// A package for the loader's tests, built in variants: with the right API
// version or another, with a failing Register, or with no package information.
#include <stdexcept>

#include "host/designtime/package_info.h"
#include "host/designtime/registry.h"
#include "tests/designtime/test_components.h"

#define EXPORT extern "C" __attribute__((visibility("default")))

using namespace pictor;

#ifndef TEST_PACKAGE_NO_INFO
namespace {
constexpr const char* kUnits[] = {"Alpha", "Beta", "Gamma", nullptr};
constexpr TPackageInfo kInfo{TEST_PACKAGE_API_VERSION, "Test package\nThe Pictor project", kUnits};
}  // namespace

EXPORT const TPackageInfo* PictorPackageInfo() { return &kInfo; }
#endif

EXPORT void Alpha_Register() {
  RegisterPropertyEditor(ClassOf<TBitmap>(), ClassOf<testing::TTestButton>(), "Glyph",
                         PropertyEditorClassOf<testing::TEditorA>());
}

// Beta has no Register.

EXPORT void Gamma_Register() {
  RegisterPropertyEditor(ClassOf<TPicture>(), nullptr, "",
                         PropertyEditorClassOf<testing::TEditorB>());
#ifdef TEST_PACKAGE_FAIL
  throw std::runtime_error("gamma broke");
#endif
}
