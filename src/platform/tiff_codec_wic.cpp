// TIFF through the Windows Imaging Component, reading and writing memory streams.
#include <objbase.h>
#include <shlwapi.h>
#include <wincodec.h>
#include <windows.h>

#include <cstring>
#include <utility>
#include <vector>

#include "platform/image_codec.h"
#include "platform/image_codec_parts.h"

namespace meshmill {

namespace {

// Holds one COM reference.
template <typename T>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (pointer_) pointer_->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T** out() { return &pointer_; }
  T* operator->() const { return pointer_; }
  T* get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  T* pointer_ = nullptr;
};

// COM for the calling thread while it lives; a thread that has it already
// (the window's, single-threaded) keeps its own.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

bool make_factory(Com<IWICImagingFactory>& factory) {
  return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(factory.out())));
}

DecodeResult refused(std::string problem) {
  return {std::nullopt, std::move(problem)};
}

}  // namespace

namespace image_codec {

DecodeResult decode_tiff(std::string_view bytes) {
  if (bytes.size() > 0x7FFFFFFF) return refused("image file too large");
  ComScope com;
  Com<IWICImagingFactory> factory;
  if (!make_factory(factory)) return refused("the Windows Imaging Component is not available");
  Com<IStream> stream;
  *stream.out() = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()),
                                    static_cast<UINT>(bytes.size()));
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  if (!stream ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out()))) {
    return refused(unreadable);
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(frame->GetSize(&width, &height))) return refused(unreadable);
  if (auto problem = size_problem(width, height, bytes.size()); !problem.empty()) {
    return refused(problem);
  }
  // BGRA with straight alpha is the one 32-bit layout every WIC converter offers.
  Com<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return refused("unsupported TIFF image");
  }
  Image image{static_cast<int>(width), static_cast<int>(height), {}};
  image.rgba.resize(std::size_t{width} * height * 4);
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(image.rgba.size()),
                                   image.rgba.data()))) {
    return refused(unreadable);
  }
  for (std::size_t at = 0; at < image.rgba.size(); at += 4) {
    std::swap(image.rgba[at], image.rgba[at + 2]);
  }
  return {std::move(image), ""};
}

std::optional<std::string> encode_tiff(const Image& image, std::string& problem) {
  auto fail = [&](const char* why) -> std::optional<std::string> {
    problem = why;
    return std::nullopt;
  };
  ComScope com;
  Com<IWICImagingFactory> factory;
  if (!make_factory(factory)) return fail("the Windows Imaging Component is not available");
  Com<IStream> stream;
  *stream.out() = SHCreateMemStream(nullptr, 0);
  Com<IWICBitmapEncoder> encoder;
  Com<IWICBitmapFrameEncode> frame;
  Com<IPropertyBag2> options;
  if (!stream || FAILED(factory->CreateEncoder(GUID_ContainerFormatTiff, nullptr, encoder.out())) ||
      FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.out(), options.out()))) {
    return fail("the TIFF writer did not start");
  }
  PROPBAG2 option{};
  option.pstrName = const_cast<LPOLESTR>(L"TiffCompressionMethod");
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_UI1;
  value.bVal = WICTiffCompressionNone;
  auto width = static_cast<UINT>(image.width);
  auto height = static_cast<UINT>(image.height);
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(options->Write(1, &option, &value)) || FAILED(frame->Initialize(options.get())) ||
      FAILED(frame->SetSize(width, height)) || FAILED(frame->SetPixelFormat(&format)) ||
      !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) {
    return fail("the TIFF writer cannot write 8-bit RGB uncompressed");
  }
  const UINT stride = width * 3;
  std::vector<BYTE> row(stride);
  for (UINT y = 0; y < height; ++y) {
    const std::uint8_t* from = &image.rgba[std::size_t{y} * width * 4];
    for (UINT x = 0; x < width; ++x) {
      row[x * 3] = from[x * 4 + 2];
      row[x * 3 + 1] = from[x * 4 + 1];
      row[x * 3 + 2] = from[x * 4];
    }
    if (FAILED(frame->WritePixels(1, stride, stride, row.data()))) {
      return fail("the TIFF writer failed");
    }
  }
  STATSTG status{};
  if (FAILED(frame->Commit()) || FAILED(encoder->Commit()) ||
      FAILED(stream->Stat(&status, STATFLAG_NONAME))) {
    return fail("the TIFF writer failed");
  }
  std::string bytes(static_cast<std::size_t>(status.cbSize.QuadPart), '\0');
  LARGE_INTEGER start{};
  ULONG read = 0;
  if (FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) ||
      FAILED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) ||
      read != bytes.size()) {
    return fail("the TIFF writer failed");
  }
  return bytes;
}

}  // namespace image_codec

}  // namespace meshmill
