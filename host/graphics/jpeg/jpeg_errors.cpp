#include "host/graphics/jpeg/jpeg_errors.h"

#include <cstring>

#include <jerror.h>

namespace pictor {
namespace {

JpegErrors& ErrorsOf(j_common_ptr cinfo) { return *reinterpret_cast<JpegErrors*>(cinfo->err); }

[[noreturn]] void ExitWithMessage(j_common_ptr cinfo) {
  JpegErrors& errors = ErrorsOf(cinfo);
  (*cinfo->err->format_message)(cinfo, errors.message);
  std::longjmp(errors.jump, 1);
}

void ErrorExit(j_common_ptr cinfo) { ExitWithMessage(cinfo); }

// Warnings after which libjpeg would go on with made-up data.
bool DamagesPicture(int code) {
  return code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_HUFF_BAD_CODE ||
         code == JWRN_ARITH_BAD_CODE || code == JWRN_MUST_RESYNC;
}

void EmitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace messages
  if (DamagesPicture(cinfo->err->msg_code)) ExitWithMessage(cinfo);
  ++cinfo->err->num_warnings;
}

void OutputMessage(j_common_ptr) {}

}  // namespace

void InstallJpegErrors(j_common_ptr cinfo, JpegErrors& errors) {
  cinfo->err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = ErrorExit;
  errors.manager.emit_message = EmitMessage;
  errors.manager.output_message = OutputMessage;
  errors.message[0] = '\0';
}

void FailJpeg(j_common_ptr cinfo, const char* message) {
  JpegErrors& errors = ErrorsOf(cinfo);
  errors.manager.msg_code = 0;
  std::snprintf(errors.message, sizeof errors.message, "%s", message);
  std::longjmp(errors.jump, 1);
}

bool RunGuarded(JpegErrors& errors, void (*body)(void*), void* context) {
  if (setjmp(errors.jump) != 0) return false;
  body(context);
  return true;
}

bool IsMemoryFailure(const JpegErrors& errors) {
  const int code = errors.manager.msg_code;
  return code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE;
}

}  // namespace pictor
