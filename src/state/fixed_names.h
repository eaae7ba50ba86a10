#pragma once

namespace meshmill {

// Files and folders the program makes or looks for, always under these names.
inline constexpr const char* error_log_name = "error_log.txt";
inline constexpr const char* special_materials_name = "special_materials.txt";
inline constexpr const char* scratch_file_name = "testfile.txt";  // the processing's scratch file
inline constexpr const char* pixelmap_folder_name = "PIX16";
inline constexpr const char* texture_folder_name = "TIFFRGB";

}  // namespace meshmill
