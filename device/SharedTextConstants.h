#pragma once

// Text constants shared by the parts of the program, in the order of their definition. Every
// part takes its folder words, file names, extensions, formats and type words from here.

// Data folders below DIR_PRODUCT in the program's folder.
inline constexpr char DIR_PREVIEW_IMAGES[] = "PreviewImages";
inline constexpr char DIR_ABOUT_IMAGE[] = "AboutImage";
inline constexpr char DIR_AUTO_SAVE[] = "AutoSave";
inline constexpr char DIR_HELP[] = "Help";
inline constexpr char DIR_FIRMWARE[] = "Firmware";
inline constexpr char DIR_CHARACTER_SET[] = "CharacterSet";
inline constexpr char DIR_DEVICE_LANGUAGE[] = "DeviceLanguage";
inline constexpr char DIR_COMPILER_FILE[] = "CompilerFile";
// Also the key of the blob file name in the information block of a data block.
inline constexpr char DIR_BLOB_FILE[] = "BlobFile";
inline constexpr char DIR_GLOBAL_PARAMETER[] = "GlobalParameter";

inline constexpr char FILE_SMALL_DISPLAY[] = "SmallDisplay";
inline constexpr char FILE_SERIAL_DLL[] = "seriallink.dll";
inline constexpr char FILE_SERIAL_INI[] = "serialsetup.ini";

// The folder word that holds all data folders, and the first part of the device's file names.
inline constexpr char DIR_PRODUCT[] = "Vantu";
// Caption or first line of the device model's detail messages.
inline constexpr char TEXT_DISPLAY_CAPTION[] = "Talvo-Display";

// File extensions, without the dot.
inline constexpr char EXT_BUP[] = "bup";
// Followed by characters of the device's type number.
inline constexpr char EXT_BU[] = "bu";
inline constexpr char PRODUCT_NAME[] = "Talvo";
inline constexpr char EXT_BD[] = "bd";
inline constexpr char EXT_BUS[] = "bus";
inline constexpr char EXT_DAT[] = "dat";
inline constexpr char EXT_DLG[] = "dlg";
inline constexpr char EXT_INI[] = "ini";
inline constexpr char EXT_BMP[] = "bmp";
inline constexpr char EXT_BLOB[] = "blob";
inline constexpr char EXT_PDF[] = "pdf";
inline constexpr char EXT_VPE[] = "vpe";
inline constexpr char EXT_TXT[] = "txt";
inline constexpr char EXT_RTF[] = "rtf";
inline constexpr char EXT_GPS[] = "gps";

// Formats.
inline constexpr char FMT_NAME_NUMBER[] = "%s [%d]";
inline constexpr char FMT_VERSION_HEX[] = "v%X.%X";

// Character set and device texts: default files and version lines.
inline constexpr char FILE_CHARSET_DEFAULT[] = "Cs01252.ezs";
inline constexpr char CHARSET_VERSION_FORMAT[] = "SX Version:%2d.%2d Typ:%s Device:%s CPID:%5d CBU:%1d";
inline constexpr char FILE_DEVICE_TEXT_DEFAULT[] = "Dl0407.dlg";
inline constexpr char DEVICE_TEXT_TYPE[] = "SORV/DeviceText";
inline constexpr char DEVICE_TEXT_VERSION_FORMAT[] = "SX Version:%2d.%2d Typ:%s Device:%s LCID:0x%04X CPID:%5d";
// Version line of another device's data block.
inline constexpr char BLOB_VERSION_FORMAT[] = "SX Version:%2d.%2d Typ:%s";
