// How the library's libjpeg calls fail. libjpeg reports errors by calling
// error_exit, which must not return; ours jumps (longjmp) back to the setjmp in
// RunGuarded, which then returns false. Code between the two must be plain C-style
// code whose frames hold no objects with destructors, so nothing is skipped.
#pragma once

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

#include <string>

namespace pictor {

struct JpegErrors {
  jpeg_error_mgr manager;  // first: libjpeg sees only this part
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

// Makes cinfo report through errors; call before jpeg_create_*. Messages are
// never printed. Warnings that mean the picture data is cut short or damaged
// count as errors, so such a file fails instead of showing grey or garbage rows.
void InstallJpegErrors(j_common_ptr cinfo, JpegErrors& errors);

// Fails the current libjpeg call with our own message (from callbacks libjpeg makes).
[[noreturn]] void FailJpeg(j_common_ptr cinfo, const char* message);

// Runs body(context); false when libjpeg failed in it (errors.message says why).
bool RunGuarded(JpegErrors& errors, void (*body)(void*), void* context);

// True when the failure was a memory limit or an allocation, not bad data.
bool IsMemoryFailure(const JpegErrors& errors);

}  // namespace pictor
