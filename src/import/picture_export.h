#pragma once
#include <cstdint>
#include <string>

namespace vk {

// Pictures, charts and shapes of other kinds reach the receiver as image files in the pictures
// folder; the shapes pass puts their full names into the shape records. Files written here stay
// for the receiver: nothing here deletes them.

// The pictures folder, ending in a backslash (unless PicturesFolder is stored empty), created if
// missing: PicturesFolder under the product key, or the documents folder followed by
// "Vellumark Pictures\" when none is stored.
std::u16string GetPicturesFolder();

// The full name of the file for a shape's picture: kind word "chart" (type 3), "pic" (13) or
// "wmf" (any other), extension ".bmp", none (the saved format brings it) or ".wmf". A saved
// workbook names it <book>_<sheet>_<kind><index>, a never-saved one (empty folder)
// <yyyymmddhhmm>_<sheet><kind><index>; a name taken by a file that cannot be opened for writing
// gets the picture stamp before its extension.
std::u16string MakePictureName(int32_t index, const std::u16string& workbookFolder,
                               const std::u16string& workbookName, const std::u16string& sheetName,
                               int32_t shapeType);

// Writes the first of the clipboard's registered formats "JFIF", "PNG" or "GIF" (in the
// clipboard's order) to baseName plus ".jpg", ".png" or ".gif", byte for byte, and returns that
// name. Empty when no such format holds data or the file can neither be written nor found (the
// user is told of the latter).
std::u16string SaveClipboardPicture(const std::u16string& baseName);

// Shape.Copy has just put a picture on the clipboard: up to three tries of SaveClipboardPicture,
// with a wait of 2000 ms after each that fails. The saved file's name, or empty when all failed.
std::u16string SaveCopiedPicture(const std::u16string& baseName);

// Copies the clipboard's metafile picture into fileName; true when the file was written.
bool SaveClipboardMetafile(const std::u16string& fileName);

// Seconds from 1 February 2020, 00:00:00 local time, to now.
uint64_t PictureStamp();

// An existing file can be opened for writing now (another program holding it open without
// sharing makes it false).
bool CanOpenForWriting(const std::u16string& path);

}  // namespace vk
