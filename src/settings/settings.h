#pragma once
// Every option of the program, one field per configuration key, and the per-job state that is never
// stored. Field names follow the keys; the table in settings_table.h ties each field to its section,
// key, kind and default, and every reader and writer of settings goes through that table.
#include <cstdint>
#include <string>

struct Settings {
  // General
  int32_t cfg;
  std::string language;
  int32_t updateRange;
  int32_t updateDate;
  int8_t saveWindowPosition;
  // Window
  int8_t isMaximized;
  int32_t x;
  int32_t y;
  int32_t width;
  int32_t height;
  // Interface
  std::string uiTheme;
  int32_t uiSize;
  // Input
  std::string inputFormat;
  int32_t ddsLoadAs;
  int32_t gifFrameLoading;
  int32_t icoFrameLoading;
  int32_t tiffFrameLoading;
  int32_t rawLoadAs;
  int32_t rawHeaderSize;
  int32_t rawImageWidth;
  int32_t rawImageHeight;
  int32_t rawToneMapping;
  // Output
  std::string outputFormat;
  int32_t bmpBpp;
  int32_t bmpCompression;
  int32_t bmpColorTable;
  int32_t ddsBpp;
  int32_t exrBpp;
  int32_t exrCompression;
  int32_t gifBpp;
  int32_t hdrBpp;
  int32_t icoBpp;
  int32_t j2kBpp;
  int32_t jngBpp;
  int32_t jp2Bpp;
  int32_t jpgBpp;
  int32_t jpgQuality;
  int32_t jpgChroma;
  int32_t jpgSaveAs;
  int32_t jxrBpp;
  int32_t pbmBpp;
  int32_t pcxBpp;
  int32_t pfmBpp;
  int32_t pgmBpp;
  int32_t pngBpp;
  int32_t pngCompression;
  int8_t pngInterlaced;
  int32_t ppmBpp;
  int32_t psdBpp;
  int32_t tgaBpp;
  int32_t tgaCompression;
  int32_t tiffBpp;
  int32_t tiffCompression;
  int32_t tiffColorModel;
  int32_t wbmpBpp;
  int32_t webpBpp;
  int32_t xpmBpp;
  // Transform
  int8_t doImageRotation;
  int8_t imageRotationType;
  int32_t imageRotation;
  std::string imageRotationBackColor;
  int8_t doImageResize;
  int32_t imageWidth;
  int8_t imageWidthUnit;
  int32_t imageHeight;
  int8_t imageHeightUnit;
  int8_t keepAspectRatio;
  int8_t imageResizeType;
  int8_t imageResizeAlgorithm;
  int8_t doImageFlipHorizontal;
  int8_t doImageFlipVertical;
  // Adjustment
  int8_t doImageColorCorrection;
  int32_t imageBrightness;
  int32_t imageContrast;
  float imageGamma;
  int8_t imageInvert;
  int8_t doImageGreyscale;
  int8_t doImageThreshold;
  int32_t imageThreshold;
  // Frame
  int8_t doFrame;
  int32_t solidLeft;
  int32_t solidRight;
  int32_t solidTop;
  int32_t solidBottom;
  std::string solidLeftColor;
  std::string solidRightColor;
  std::string solidTopColor;
  std::string solidBottomColor;
  int32_t solidOpacity;
  // Watermark
  int8_t doWatermark;
  std::string text;
  std::string fonts;
  std::string font;
  int32_t fontSize;
  int32_t fontLeading;
  std::string fontColors;
  std::string fontColor;
  int8_t fontStyle;
  int8_t fontEffect;
  int8_t textAntialiasing;
  int8_t textAlignment;
  int32_t textPadding;
  int32_t textOpacity;
  std::string backColors;
  std::string backColor;
  int32_t backOpacity;
  int8_t textBoundary;
  int8_t textPosition;
  int32_t textXOffset;
  int32_t textYOffset;
  int32_t textRotation;
  int8_t textSize;
  int32_t textScale;
  std::string image;
  int8_t imageGreyscale;
  int32_t imageOpacity;
  int8_t imageBoundary;
  int8_t imagePosition;
  int32_t imageXOffset;
  int32_t imageYOffset;
  int32_t imageWatermarkRotation;
  int8_t imageSize;
  int32_t imageScale;
  // Advanced
  std::string filenameMask;
  int8_t fileTimestamp;
  int32_t customTimestamp;
  int8_t outFoldersHistory;
  int8_t outFoldersNumber;
  int8_t keepSubfolders;
  // File
  std::string recentOutFolders;
  std::string recentFiles;
  // Privacy
  int8_t cleanRecentFiles;
};

// Per-job and per-file state; the worker and the front ends fill it, the pipeline and the naming
// read it.
struct JobState {
  std::string programFolder;      // folder of the executable, ending in "/"
  std::string sourcePath;         // file being converted
  std::string inputRoot;          // folder the current entries were collected from
  std::string relativeSubfolder;  // below the input root, ending in "/", or empty
  std::string targetPath;
  std::string temporaryPath;
  std::string outputFolder;  // ending in "/"
  int32_t randomNumber = 0;  // 1..99999, the "%rnd%" token
  int32_t sequenceNumber = 0;  // the "%n%" token
  std::string inputFormat;
  int32_t sourceBitDepth = 0;
  int32_t saveFormatId = 0;
  std::string outputExtension;
  int32_t outputBitDepth = 0;  // 0 until resolved when automatic
  int32_t saveFlags = 0;
  int8_t automaticDepth = 0;
  int8_t consoleMode = 0;
  std::string runKeyword;  // "DEBUG", "T" or empty
  int32_t width = 0;
  int32_t height = 0;
};

extern Settings settings;
extern JobState job;

enum class DefaultSet { Window, Console };

// Fills every field with the window default or the console default; they differ only in
// "Keep Aspect Ratio". Does not touch the job.
void ResetSettings(DefaultSet set);

// Empties the job for a new run: program folder from the executable, a fresh random number,
// sequence number 1, everything else empty or 0, and the accepted input extensions rebuilt. Front
// ends that own an input list empty it beside this call.
void ResetJob();
// A fresh value for the "%rnd%" token, 1 to 99999.
int32_t NewRandomNumber();
