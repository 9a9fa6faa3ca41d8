// PNG and JPEG pictures through libpng and libjpeg, delivered as A8R8G8B8 pixels (blue in
// the lowest byte), rows top first. The size is checked before any pixel memory is taken, so
// a file that claims a huge picture costs nothing.
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>
#include <stdexcept>

#include "engine/EngineRenderer.h"
#include "platform/SafeFile.h"

namespace {

bool SizeAcceptable(uint32_t Width, uint32_t Height) {
  return Width >= 4 && Width <= 2048 && Height >= 4 && Height <= 2048;
}

void ReadPng(const std::string& Content, TImagePixels& Image) {
  png_image Png;
  std::memset(&Png, 0, sizeof(Png));
  Png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&Png, Content.data(), Content.size()))
    throw std::runtime_error(Png.message);
  Image.Width = int32_t(Png.width);
  Image.Height = int32_t(Png.height);
  if (!SizeAcceptable(Png.width, Png.height)) {
    png_image_free(&Png);
    return;
  }
  Png.format = PNG_FORMAT_BGRA;
  Image.Pixels.resize(size_t(Png.width) * Png.height);
  if (!png_image_finish_read(&Png, nullptr, Image.Pixels.data(), 0, nullptr)) {
    std::string Message = Png.message;
    png_image_free(&Png);
    throw std::runtime_error(Message);
  }
}

struct TJpegError {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

void JpegFail(j_common_ptr Info) {
  auto* Error = reinterpret_cast<TJpegError*>(Info->err);
  Info->err->format_message(Info, Error->Message);
  std::longjmp(Error->Jump, 1);
}

void JpegWarning(j_common_ptr, int) {}

// Kept free of C++ objects with destructors: libjpeg reports errors by jumping out.
bool DecodeJpeg(const std::string& Content, TImagePixels& Image, TJpegError& Error) {
  jpeg_decompress_struct Info;
  Info.err = jpeg_std_error(&Error.Manager);
  Error.Manager.error_exit = JpegFail;
  Error.Manager.emit_message = JpegWarning;
  if (setjmp(Error.Jump)) {
    jpeg_destroy_decompress(&Info);
    return false;
  }
  jpeg_create_decompress(&Info);
  jpeg_mem_src(&Info, reinterpret_cast<const unsigned char*>(Content.data()),
               static_cast<unsigned long>(Content.size()));
  jpeg_read_header(&Info, TRUE);
  Image.Width = int32_t(Info.image_width);
  Image.Height = int32_t(Info.image_height);
  if (SizeAcceptable(Info.image_width, Info.image_height)) {
    Info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&Info);
    Image.Pixels.resize(size_t(Info.output_width) * Info.output_height);
    while (Info.output_scanline < Info.output_height) {
      JSAMPROW Row =
          reinterpret_cast<JSAMPROW>(Image.Pixels.data() + size_t(Info.output_scanline) * Info.output_width);
      jpeg_read_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_decompress(&Info);
  }
  jpeg_destroy_decompress(&Info);
  return true;
}

void ReadJpeg(const std::string& Content, TImagePixels& Image) {
  TJpegError Error{};
  if (!DecodeJpeg(Content, Image, Error)) throw std::runtime_error(Error.Message);
}

}  // namespace

TImagePixels ReadImageFile(const std::string& FileName) {
  std::string Content;
  if (!ReadWholeFile(FileName, Content))
    throw std::runtime_error("Cannot open file \"" + FileName + "\"");
  TImagePixels Image;
  static const unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const auto* Bytes = reinterpret_cast<const unsigned char*>(Content.data());
  if (Content.size() >= 8 && std::memcmp(Bytes, kPngSignature, 8) == 0)
    ReadPng(Content, Image);
  else if (Content.size() >= 3 && Bytes[0] == 0xFF && Bytes[1] == 0xD8 && Bytes[2] == 0xFF)
    ReadJpeg(Content, Image);
  return Image;  // any other kind of file: size 0
}
