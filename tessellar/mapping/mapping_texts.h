#pragma once
// The texts that path mapping shows to users, in one place.
// Core texts are code page 1252 bytes; the window side converts them.

namespace mapping::texts {

// Network Mapping dialog.
inline constexpr const char* kNetworkMappingTitle = "Network Mapping";
inline constexpr const char* kServerDirectoryLabel = "Server directory :";
inline constexpr const char* kClientNetworkPathLabel = "Client network path :";
inline constexpr const char* kHelpButton = "Help";
inline constexpr const char* kMapNetworkDriveButton = "Map  Network Drive";
inline constexpr const char* kOkButton = "OK";
inline constexpr const char* kCancelButton = "Cancel";
inline constexpr const char* kForwardWithFile =
    "The Client path to the following Server file is unknown. Please map one of the listed Server "
    "directories to its equivalent network directory path accessible from Client. \nServer file: <%s>";
inline constexpr const char* kForwardWithoutFile =
    "Please map one of the listed Server directories to its equivalent network directory path "
    "accessible from Client.";
inline constexpr const char* kReverseWithFile =
    "The Server path to the following Client file is unknown. Please reverse map one of the listed "
    "Client directories to its equivalent server path accessible from Server. \nClient file: <%s>";
inline constexpr const char* kReverseWithoutFile =
    "Please reverse map one of the listed Client network directories to its equivalent Server path "
    "accessible from server.";
inline constexpr const char* kMappingHelpFile = "tessel.chm";
inline constexpr int kMappingHelpTopic = 14;

// Network Drive Mapping dialog.
inline constexpr const char* kDriveMappingTitle = "Network Drive Mapping";
inline constexpr const char* kNewTextLabel = "New Text:";
inline constexpr const char* kBrowseButton = "&Browse";
inline constexpr const char* kPathDoesNotExist = "The path <%s> is not exist. Please check your mapping.";

// The File menu command that opens the system's way of connecting a network drive.
inline constexpr const char* kMapNetworkDriveCommand = "&Map Network Drive...";
inline constexpr const char* kMapNetworkDrivePrompt = "Map Network Drive\nMap Network Drive";

}  // namespace mapping::texts
