#pragma once

// Text constants shared by the parts of the program.
inline constexpr char DIR_PREVIEW_IMAGES[] = "PreviewImages";
inline constexpr char DIR_ABOUT_IMAGE[] = "AboutImage";
inline constexpr char DIR_AUTO_SAVE[] = "AutoSave";
inline constexpr char DIR_HELP[] = "Help";
inline constexpr char DIR_CHARACTER_SET[] = "CharacterSet";
inline constexpr char DIR_DEVICE_LANGUAGE[] = "DeviceLanguage";
inline constexpr char DIR_COMPILER_FILE[] = "CompilerFile";
inline constexpr char DIR_BLOB_FILE[] = "BlobFile";
inline constexpr char FILE_SERIAL_DLL[] = "seriallink.dll";
inline constexpr char FILE_SERIAL_INI[] = "serialsetup.ini";
inline constexpr char DIR_PRODUCT[] = "Vantu";
inline constexpr char EXT_BUS[] = "bus";
