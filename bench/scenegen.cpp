// Writes large ASE scenes as 3ds Max exports them, for timing the passes:
// CR LF line ends, TAB depths, a material list with standard and
// multi/sub-object materials, and objects with vertex, face, mapping and
// normal lists. Faulty objects (that the analysis skips) can be mixed in.
// With --textures N the scene has N standard materials, each with a texture
// of its own, and their images are written as 256 x 256 TGA files into the
// TIFFRGB folder beside the scene.

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

namespace {

struct Options {
  std::string output;
  double size_mb = 10;
  long objects = 0;  // 0: one object per 100 KB
  long faults = 0;
  long materials = 8;
  long textures = 0;
  unsigned seed = 1;
};

// Buffered output with printf-style lines ending in CR LF.
class Writer {
 public:
  explicit Writer(std::FILE* file) : file_(file) {}
  ~Writer() { flush(); }
  void line(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    if (buffer_.size() > (1u << 20)) flush();
    char text[512];
    va_list args;
    va_start(args, format);
    int length = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    buffer_.append(text, static_cast<std::size_t>(std::min<int>(length, sizeof text - 1)));
    buffer_ += "\r\n";
    written_ += static_cast<std::uint64_t>(length) + 2;
  }
  std::uint64_t written() const { return written_; }
  void flush() {
    std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    buffer_.clear();
  }

 private:
  std::FILE* file_;
  std::string buffer_;
  std::uint64_t written_ = 0;
};

enum class Fault { none, no_vertices, no_faces, no_mapping_vertices, no_mapping_faces, no_name };

class SceneWriter {
 public:
  SceneWriter(Writer& out, unsigned seed) : out_(out), random_(seed) {}

  // With `all_standard`, no multi/sub-object material: one texture per material.
  void header(long materials, bool all_standard) {
    out_.line("*3DSMAX_ASCIIEXPORT\t200");
    out_.line("*COMMENT \"AsciiExport Version  2,00 - Mon Jan 01 12:00:00 2024\"");
    out_.line("*SCENE {");
    out_.line("\t*SCENE_FILENAME \"bench_track.max\"");
    out_.line("\t*SCENE_FIRSTFRAME 0");
    out_.line("\t*SCENE_LASTFRAME 100");
    out_.line("\t*SCENE_FRAMESPEED 30");
    out_.line("\t*SCENE_TICKSPERFRAME 160");
    out_.line("\t*SCENE_BACKGROUND_STATIC 0.0000\t0.0000\t0.0000");
    out_.line("\t*SCENE_AMBIENT_STATIC 0.0000\t0.0000\t0.0000");
    out_.line("}");
    out_.line("*MATERIAL_LIST {");
    out_.line("\t*MATERIAL_COUNT %ld", materials);
    for (long m = 0; m < materials; ++m) {
      if (m % 4 == 3 && !all_standard) {
        multi_material(m);
      } else {
        standard_material(m, 1, "\t*MATERIAL", m);
      }
    }
    out_.line("}");
  }

  void object(long index, long faces, long material, Fault fault) {
    long vertices = faces / 2 + 2;
    if (fault == Fault::no_vertices) vertices = 0;
    if (fault == Fault::no_vertices || fault == Fault::no_faces) faces = 0;
    long mapping_vertices = fault == Fault::no_mapping_vertices ? 0 : vertices;
    long mapping_faces = fault == Fault::no_mapping_faces ? 0 : faces;
    char name[64];
    if (fault == Fault::no_name) {
      std::snprintf(name, sizeof name, "Object%05ld", index);
    } else {
      std::snprintf(name, sizeof name, "\"Object%05ld\"", index);
    }
    out_.line("*GEOMOBJECT {");
    out_.line("\t*NODE_NAME %s", name);
    out_.line("\t*NODE_TM {");
    out_.line("\t\t*NODE_NAME %s", name);
    out_.line("\t\t*INHERIT_POS 0 0 0");
    out_.line("\t\t*INHERIT_ROT 0 0 0");
    out_.line("\t\t*INHERIT_SCL 0 0 0");
    out_.line("\t\t*TM_ROW0 1.0000\t0.0000\t0.0000");
    out_.line("\t\t*TM_ROW1 0.0000\t1.0000\t0.0000");
    out_.line("\t\t*TM_ROW2 0.0000\t0.0000\t1.0000");
    double x = coordinate(), y = coordinate();
    out_.line("\t\t*TM_ROW3 %.4f\t%.4f\t0.0000", x, y);
    out_.line("\t\t*TM_POS %.4f\t%.4f\t0.0000", x, y);
    out_.line("\t\t*TM_ROTAXIS 0.0000\t0.0000\t0.0000");
    out_.line("\t\t*TM_ROTANGLE 0.0000");
    out_.line("\t\t*TM_SCALE 1.0000\t1.0000\t1.0000");
    out_.line("\t\t*TM_SCALEAXIS 0.0000\t0.0000\t0.0000");
    out_.line("\t\t*TM_SCALEAXISANG 0.0000");
    out_.line("\t}");
    out_.line("\t*MESH {");
    out_.line("\t\t*TIMEVALUE 0");
    out_.line("\t\t*MESH_NUMVERTEX %ld", vertices);
    out_.line("\t\t*MESH_NUMFACES %ld", faces);
    out_.line("\t\t*MESH_VERTEX_LIST {");
    for (long v = 0; v < vertices; ++v) {
      out_.line("\t\t\t*MESH_VERTEX %4ld\t%.4f\t%.4f\t%.4f", v, coordinate(), coordinate(),
                coordinate());
    }
    out_.line("\t\t}");
    out_.line("\t\t*MESH_FACE_LIST {");
    for (long f = 0; f < faces; ++f) {
      long a = f % vertices, b = (f + 1) % vertices, c = (f + 2) % vertices;
      out_.line(
          "\t\t\t*MESH_FACE %4ld:    A: %4ld B: %4ld C: %4ld AB:    1 BC:    1 CA:    0\t "
          "*MESH_SMOOTHING 1 \t*MESH_MTLID %ld",
          f, a, b, c, f % 3);
    }
    out_.line("\t\t}");
    out_.line("\t\t*MESH_NUMTVERTEX %ld", mapping_vertices);
    if (mapping_vertices > 0) {
      out_.line("\t\t*MESH_TVERTLIST {");
      for (long v = 0; v < mapping_vertices; ++v) {
        out_.line("\t\t\t*MESH_TVERT %ld\t%.4f\t%.4f\t0.0000", v, unit(), unit());
      }
      out_.line("\t\t}");
      out_.line("\t\t*MESH_NUMTVFACES %ld", mapping_faces);
      out_.line("\t\t*MESH_TFACELIST {");
      for (long f = 0; f < mapping_faces; ++f) {
        out_.line("\t\t\t*MESH_TFACE %ld\t%ld\t%ld\t%ld", f, f % mapping_vertices,
                  (f + 1) % mapping_vertices, (f + 2) % mapping_vertices);
      }
      out_.line("\t\t}");
    }
    out_.line("\t\t*MESH_NUMCVERTEX 0");
    out_.line("\t\t*MESH_NORMALS {");
    for (long f = 0; f < faces; ++f) {
      out_.line("\t\t\t*MESH_FACENORMAL %ld\t0.0000\t0.0000\t-1.0000", f);
      for (long corner = 0; corner < 3; ++corner) {
        out_.line("\t\t\t\t*MESH_VERTEXNORMAL %ld\t0.0000\t0.0000\t-1.0000",
                  (f + corner) % vertices);
      }
    }
    out_.line("\t\t}");
    out_.line("\t}");
    out_.line("\t*PROP_MOTIONBLUR 0");
    out_.line("\t*PROP_CASTSHADOW 1");
    out_.line("\t*PROP_RECVSHADOW 1");
    out_.line("\t*MATERIAL_REF %ld", material);
    out_.line("}");
  }

 private:
  double coordinate() { return std::uniform_real_distribution<double>(-500.0, 500.0)(random_); }
  double unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }

  // A standard material at TAB depth `depth` (1 top level, 2 inside a multi material),
  // opened by the keyword `opening` and its number.
  void standard_material(long m, int depth, const char* opening, long number) {
    std::string tabs(static_cast<std::size_t>(depth), '\t');
    const char* t = tabs.c_str();
    out_.line("%s %ld {", opening, number);
    out_.line("%s\t*MATERIAL_NAME \"Material_%ld_%ld\"", t, m, number);
    out_.line("%s\t*MATERIAL_CLASS \"Standard\"", t);
    double grey = unit();
    out_.line("%s\t*MATERIAL_AMBIENT %.4f\t%.4f\t%.4f", t, grey, grey, grey);
    out_.line("%s\t*MATERIAL_DIFFUSE %.4f\t%.4f\t%.4f", t, grey, grey, grey);
    out_.line("%s\t*MATERIAL_SPECULAR 0.9000\t0.9000\t0.9000", t);
    out_.line("%s\t*MATERIAL_SHINE 0.1000", t);
    out_.line("%s\t*MATERIAL_SHINESTRENGTH 0.0000", t);
    out_.line("%s\t*MATERIAL_TRANSPARENCY 0.0000", t);
    out_.line("%s\t*MATERIAL_WIRESIZE 1.0000", t);
    out_.line("%s\t*MATERIAL_SHADING Blinn", t);
    out_.line("%s\t*MATERIAL_XP_FALLOFF 0.0000", t);
    out_.line("%s\t*MATERIAL_SELFILLUM 0.0000", t);
    out_.line("%s\t*MATERIAL_FALLOFF In", t);
    out_.line("%s\t*MATERIAL_XP_TYPE Filter", t);
    out_.line("%s\t*MAP_DIFFUSE {", t);
    out_.line("%s\t\t*MAP_NAME \"Map #%ld_%ld\"", t, m, number);
    out_.line("%s\t\t*MAP_CLASS \"Bitmap\"", t);
    out_.line("%s\t\t*MAP_SUBNO 1", t);
    out_.line("%s\t\t*MAP_AMOUNT 1.0000", t);
    out_.line("%s\t\t*BITMAP \"C:\\3dsmax\\maps\\tex%ld_%ld.tga\"", t, m, number);
    out_.line("%s\t\t*MAP_TYPE Screen", t);
    out_.line("%s\t\t*UVW_U_OFFSET 0.0000", t);
    out_.line("%s\t\t*UVW_V_OFFSET 0.0000", t);
    out_.line("%s\t\t*UVW_U_TILING 1.0000", t);
    out_.line("%s\t\t*UVW_V_TILING 1.0000", t);
    out_.line("%s\t\t*UVW_ANGLE 0.0000", t);
    out_.line("%s\t\t*UVW_BLUR 1.0000", t);
    out_.line("%s\t\t*BITMAP_FILTER Pyramidal", t);
    out_.line("%s\t}", t);
    out_.line("%s}", t);
  }

  void multi_material(long m) {
    const long subs = 3;
    out_.line("\t*MATERIAL %ld {", m);
    out_.line("\t\t*MATERIAL_NAME \"Multi_%ld\"", m);
    out_.line("\t\t*MATERIAL_CLASS \"Multi/Sub-Object\"");
    out_.line("\t\t*MATERIAL_AMBIENT 0.5882\t0.5882\t0.5882");
    out_.line("\t\t*MATERIAL_DIFFUSE 0.5882\t0.5882\t0.5882");
    out_.line("\t\t*MATERIAL_SPECULAR 0.9000\t0.9000\t0.9000");
    out_.line("\t\t*MATERIAL_SHINE 0.1000");
    out_.line("\t\t*MATERIAL_SHINESTRENGTH 0.0000");
    out_.line("\t\t*MATERIAL_TRANSPARENCY 0.0000");
    out_.line("\t\t*MATERIAL_WIRESIZE 1.0000");
    out_.line("\t\t*NUMSUBMTLS %ld", subs);
    for (long s = 0; s < subs; ++s) standard_material(m, 2, "\t\t*SUBMATERIAL", s);
    out_.line("\t}");
  }

  Writer& out_;
  std::mt19937 random_;
};

// A 256 x 256 24-bit TGA (rows top down) of grain over a gradient that
// differs from texture to texture.
bool write_texture(const std::filesystem::path& path, unsigned seed) {
  constexpr unsigned side = 256;
  const unsigned char header[18] = {
      0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, side % 256, side / 256, side % 256, side / 256, 24, 0x20};
  std::string pixels(static_cast<std::size_t>(side) * side * 3, '\0');
  std::mt19937 random(seed);
  std::size_t at = 0;
  for (unsigned y = 0; y < side; ++y) {
    for (unsigned x = 0; x < side; ++x) {
      auto grain = static_cast<unsigned>(random() % 32);
      pixels[at++] = static_cast<char>((x + seed * 16) % 224 + grain);
      pixels[at++] = static_cast<char>((y + seed * 8) % 224 + grain);
      pixels[at++] = static_cast<char>((x + y) / 2 % 224 + grain);
    }
  }
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(header, 1, sizeof header, file) == sizeof header &&
                 std::fwrite(pixels.data(), 1, pixels.size(), file) == pixels.size();
  return std::fclose(file) == 0 && written;
}

// The images of the textures the material list names: tex<m>_<m>.tga for
// the standard material m.
bool write_textures(const std::string& scene, long textures) {
  std::filesystem::path folder = std::filesystem::absolute(scene).parent_path() / "TIFFRGB";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (long m = 0; m < textures; ++m) {
    std::string name = "tex" + std::to_string(m) + "_" + std::to_string(m) + ".tga";
    if (!write_texture(folder / name, static_cast<unsigned>(m))) {
      std::fprintf(stderr, "meshmill-scenegen: can't write %s\n", (folder / name).string().c_str());
      return false;
    }
  }
  std::fprintf(stderr, "%s: %ld textures of 256 x 256\n", folder.string().c_str(), textures);
  return true;
}

// Bytes of one object of `faces` faces, measured by writing it to nowhere.
std::uint64_t object_size(long faces) {
  std::FILE* sink = std::fopen("/dev/null", "wb");
  std::uint64_t size = 0;
  {
    Writer writer(sink);
    SceneWriter(writer, 1).object(0, faces, 0, Fault::none);
    size = writer.written();
  }
  if (sink) std::fclose(sink);
  return size;
}

void usage() {
  std::fputs(
      "Usage: meshmill-scenegen -o FILE [--size-mb N] [--objects N] [--faults N]\n"
      "                         [--materials N] [--seed N] [--textures N]\n"
      "Writes an ASE scene of about N MB (default 10) with N objects (default one per\n"
      "100 KB), of which --faults are skipped by the analysis (no vertices, no faces,\n"
      "no mapping vertices, no mapping faces, no quoted name, in turn).\n"
      "--textures N: N standard materials instead of --materials, each with its own\n"
      "texture, written as a 256 x 256 TGA file into TIFFRGB beside the scene.\n",
      stderr);
}

bool parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (arg == "-o") {
      options.output = value;
    } else if (arg == "--size-mb") {
      options.size_mb = std::atof(value);
    } else if (arg == "--objects") {
      options.objects = std::atol(value);
    } else if (arg == "--faults") {
      options.faults = std::atol(value);
    } else if (arg == "--materials") {
      options.materials = std::atol(value);
    } else if (arg == "--textures") {
      options.textures = std::atol(value);
    } else if (arg == "--seed") {
      options.seed = static_cast<unsigned>(std::atol(value));
    } else {
      return false;
    }
  }
  return !options.output.empty() && options.size_mb > 0 && options.objects >= 0 &&
         options.faults >= 0 && options.materials > 0 && options.textures >= 0 &&
         options.textures <= 99999;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse(argc, argv, options)) {
    usage();
    return 2;
  }
  if (options.textures > 0) options.materials = options.textures;
  auto target = static_cast<std::uint64_t>(options.size_mb * 1024 * 1024);
  long objects =
      options.objects > 0 ? options.objects : std::max<long>(1, static_cast<long>(target / 100000));
  // Object size grows linearly with the face count: fit it from two samples.
  std::uint64_t small = object_size(100), large = object_size(200);
  double per_face = static_cast<double>(large - small) / 100.0;
  double base = static_cast<double>(small) - 100.0 * per_face;
  long faces = std::clamp<long>(
      static_cast<long>((static_cast<double>(target) / static_cast<double>(objects) - base) /
                        per_face),
      1, 65535);

  std::FILE* file = std::fopen(options.output.c_str(), "wb");
  if (!file) {
    std::fprintf(stderr, "meshmill-scenegen: can't create %s: %s\n", options.output.c_str(),
                 std::strerror(errno));
    return 1;
  }
  std::uint64_t written = 0;
  {
    Writer writer(file);
    SceneWriter scene(writer, options.seed);
    scene.header(options.materials, options.textures > 0);
    long faults = std::min(options.faults, objects);
    long every = faults > 0 ? objects / faults : 0;
    long fault_number = 0;
    for (long i = 0; i < objects; ++i) {
      Fault fault = Fault::none;
      if (every > 0 && i % every == every / 2 && fault_number < faults) {
        fault = static_cast<Fault>(1 + fault_number++ % 5);
      }
      scene.object(i + 1, faces, i % options.materials, fault);
    }
    written = writer.written();
  }
  if (std::fclose(file) != 0) {
    std::fprintf(stderr, "meshmill-scenegen: can't write %s\n", options.output.c_str());
    return 1;
  }
  std::fprintf(stderr, "%s: %.1f MB, %ld objects of %ld faces\n", options.output.c_str(),
               static_cast<double>(written) / (1024 * 1024), objects, faces);
  return options.textures > 0 && !write_textures(options.output, options.textures) ? 1 : 0;
}
