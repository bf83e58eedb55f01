/* Resource identifiers of Zubolo.exe, shared by Zubolo.rc and the C++ code.
   Plain numbers only, so that every resource compiler reads them as identifiers. */
#ifndef ZUBOLO_RESOURCE_H
#define ZUBOLO_RESOURCE_H

/* Program icon: the lowest icon identifier, so the shell shows it for the program file. */
#define IDI_PROGRAM 1

/* Image-list pictures: picture i of a list has the identifier base + i. */
#define IDI_IMAGELIST_BIN 100
#define IDI_IMAGELIST_PAGE 200
#define IDI_IMAGELIST_2 300
#define IDI_IMAGELIST_3 400
#define IDI_IMAGELIST_21 500
#define IDI_IMAGELIST_0 600

/* The picture of a drive row whose drive the shell gives no icon for. */
#define IDI_DRIVE_PLACEHOLDER 700

#define IMAGELIST_BIN_COUNT 3
#define IMAGELIST_PAGE_COUNT 4
#define IMAGELIST_2_COUNT 3
#define IMAGELIST_3_COUNT 5
#define IMAGELIST_21_COUNT 9
#define IMAGELIST_0_COUNT 7

/* Application manifest: must be CREATEPROCESS_MANIFEST_RESOURCE_ID (1) of type RT_MANIFEST,
   the one the loader reads for a program file. */
#define IDR_MANIFEST 1

#endif
