#include "app/form_description.h"

#include <type_traits>

namespace meshmill {

namespace {

constexpr const char* settings_hint =
    "This function it's for those that only need to use some functions of this program, and "
    "that don't want the full process to happen yet.";
constexpr const char* objects_hint =
    "Leave empty to include all valid objects in processed final project, or specify the only "
    "valid objects you want to have in the processed project.";
constexpr const char* bar_hint =
    "Note that this progress bar isn't accurate when some objects are skipped because of errors!";
constexpr const char* textures_hint =
    "Writes a TIFF in TIFFRGB for every texture that has none, and a pixelmap in PIX16 for every "
    "texture of the .mat file, made from the textures' images (.tga, .png, .bmp, .jpg).";
constexpr const char* restore_hint =
    "Gives the texture files of TIFFRGB that were shortened their long names back, from the .ti "
    "backups.";
constexpr const char* valid_hint =
    "Only objects with more than 0 vertices and 0 faces are considered valid.";

using K = ControlKind;
using G = FormGroup;
using W = WindowState;

constexpr FormEntry entries[] = {
    {"Analize_filename", K::button, &W::Analize_filename, "", nullptr, G::top, 0},
    {"Text_loadfile", K::text_box, &W::Text_loadfile, "", nullptr, G::top, 0, look::read_only},
    {"Label_analize", K::label, &W::Label_analize, "", nullptr, G::top, 1},
    {"Analize_bar", K::progress_bar, &W::Analize_bar, "", bar_hint, G::top, 1},

    {"Settings_group",
     K::group,
     {},
     "Settings for processed file creation",
     settings_hint,
     G::settings,
     0},
    {"Check_all", K::check_box, &W::Check_all, "",
     "DON'T disable this if you are a beginner in using this program, or that you know what you "
     "are doing",
     G::settings, 0, look::bold},
    {"Check_createmat", K::check_box, &W::Check_createmat, "",
     "Only disable this is you really know what are you doing", G::settings, 1, look::indented},
    {"Check_splitasc", K::check_box, &W::Check_splitasc, "",
     "Plaything2 is only able to import 255 objects in each .asc file", G::settings, 2,
     look::indented},
    {"Check_flip3daxis", K::check_box, &W::Check_flip3daxis, "",
     "Disable this is you already did this in the original modelling program", G::settings, 3,
     look::indented},
    {"Check_vtextures", K::check_box, &W::Check_vtextures, "",
     "Similar to 3d studio axis but for texture mapping, this is absolutly required unless you "
     "already did this in the moddeling program",
     G::settings, 4, look::indented},
    {"Line1", K::separator, {}, "", nullptr, G::settings, 5},
    {"Check1", K::check_box, &W::Check1, "",
     "This is HIGHLY recommended if there is pixelmap files longer than 15 characters (which "
     "makes the game crash), and if there is too many pix files like this to be renamed manually",
     G::settings, 6},
    {"Check2", K::check_box, &W::Check2, "", nullptr, G::settings, 7},
    {"Check3", K::check_box, &W::Check3, "", nullptr, G::settings, 8},
    {"Check4", K::check_box, &W::Check4, "",
     "Check this if you REALLY know what you are doing and dont want to receive douzens of "
     "warnings of files with the same name.",
     G::settings, 9},
    {"Check5", K::check_box, &W::Check5, "", nullptr, G::settings, 10},
    {"Check6", K::check_box, &W::Check6, "", nullptr, G::settings, 11},
    {"Check7", K::check_box, &W::Check7, "", textures_hint, G::settings, 12},
    {"Line2", K::separator, {}, "", nullptr, G::settings, 13},
    {"Label5", K::label, &W::Label5, "", objects_hint, G::settings, 14},
    {"Text3", K::text_box, &W::Text3, "", objects_hint, G::settings, 15},
    {"Target_filename", K::button, &W::Target_filename, "", nullptr, G::settings, 16},
    {"Text_savefile", K::text_box, &W::Text_savefile, "",
     "Leave this empty if you want the new project file created in the same folder of the "
     "original file",
     G::settings, 17, look::read_only},
    {"Start_process", K::button, &W::Start_process, "", nullptr, G::settings, 18,
     look::bold | look::pushed_down},
    {"Label_process", K::label, &W::Label_process, "", nullptr, G::settings, 19},
    {"Process_bar", K::progress_bar, &W::Process_bar, "", bar_hint, G::settings, 19},

    {"Statistics_group",
     K::group,
     {},
     "Statistics of analized 3d scene file",
     nullptr,
     G::statistics,
     0},
    {"Label1", K::label, {}, "Total objects found :", nullptr, G::statistics, 0},
    {"Text_total_objects", K::text_box, &W::Text_total_objects, "", valid_hint, G::statistics, 0,
     look::read_only | look::numeric},
    {"Label2", K::label, {}, "Valid objects found :", nullptr, G::statistics, 1},
    {"Text_valid_objects", K::text_box, &W::Text_valid_objects, "", valid_hint, G::statistics, 1,
     look::read_only | look::numeric},
    {"Label6", K::label, {}, "Total faces in 3d scene :", nullptr, G::statistics, 2},
    {"Text_faces", K::text_box, &W::Text_faces, "", nullptr, G::statistics, 2,
     look::read_only | look::numeric},
    {"Label7", K::label, {}, "Total vertices in 3d scene :", nullptr, G::statistics, 3},
    {"Text_vertices", K::text_box, &W::Text_vertices, "", nullptr, G::statistics, 3,
     look::read_only | look::numeric},
    {"Label4",
     K::label,
     {},
     "Asc split files required to import in Pt2 :",
     nullptr,
     G::statistics,
     4},
    {"Text_ascsplit", K::text_box, &W::Text_ascsplit, "", nullptr, G::statistics, 4,
     look::read_only | look::numeric},
    {"Label11", K::label, &W::Label11, "", nullptr, G::statistics, 5},
    {"Text_comments", K::text_box, &W::Text_comments, "", nullptr, G::statistics, 6,
     look::read_only | look::multi_line | look::grows},
    {"Clear_statistics", K::button, &W::Clear_statistics, "", nullptr, G::statistics, 7},
    {"Open_error_log", K::button, &W::Open_error_log, "", nullptr, G::statistics, 8},
    {"Open_report", K::button, &W::Open_report, "", nullptr, G::statistics, 9},
    {"Restore_textures", K::button, &W::Restore_textures, "", restore_hint, G::statistics, 10},
};

}  // namespace

std::span<const FormEntry> form_entries() {
  return entries;
}

std::string caption_of(const FormEntry& entry, const WindowState& window) {
  return std::visit(
      [&](auto member) -> std::string {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, std::monostate> ||
                      std::is_same_v<Member, TextBox WindowState::*> ||
                      std::is_same_v<Member, ProgressBar WindowState::*>) {
          return entry.caption;
        } else {
          return (window.*member).caption;
        }
      },
      entry.state);
}

}  // namespace meshmill
