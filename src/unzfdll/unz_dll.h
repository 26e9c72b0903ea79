/* The unzip library's calling protocol, shared by the library and the program
 * that loads it at run time: the command record, the callback record, the
 * action codes and the two entry points. Plain C, so that the record layout
 * is the one any C compiler of the platform gives: fields keep the order and
 * meaning of the Windows library's 32-bit protocol, pointers take the platform's size.
 * Fields named Reserved are filled with fixed values by the caller and not
 * read by the library; their names give their 32-bit offsets. */
#ifndef TARNIX_UNZFDLL_UNZ_DLL_H
#define TARNIX_UNZFDLL_UNZ_DLL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The protocol version both sides speak; the library refuses any other. */
#define UNZ_DLL_VERSION 160

#define UNZ_TEXT_SIZE 512

/* A callback that returns UNZ_CALLBACK_STOP ends the extraction at once. */
#define UNZ_CALLBACK_STOP (-1)

/* Action codes of the callback record. */
enum {
    UNZ_ACTION_FILE_BEGIN = 1,   /* Number: the file's size; Text: its name */
    UNZ_ACTION_PROGRESS = 2,     /* Number: bytes written since the last call */
    UNZ_ACTION_END_BATCH = 3,    /* the last call of an extraction that ran to its end */
    UNZ_ACTION_TOTAL_FILES = 5,  /* Number: files to extract */
    UNZ_ACTION_TOTAL_BYTES = 6,  /* Number: their bytes, at most INT32_MAX */
    UNZ_ACTION_PASSWORD = 8,     /* in: Number = attempts left; out: Flag 1 and Text = the password */
    UNZ_ACTION_CRC_ERROR = 9,    /* the entry's data is damaged; out: Flag 1 keeps what was read */
    UNZ_ACTION_FILE_EXISTS = 10, /* in: Flag bit 0 = the file on disk is older; out: Number 1 replaces it */
    UNZ_ACTION_SKIPPED = 11      /* the file announced last was not written; Number: the errno of
                                    a file system failure, 0 when it was refused or declined */
};

typedef struct TUnzCallbackRec {
    int32_t Reserved0;
    void* Caller;  /* the command record's Caller */
    int32_t Reserved8;
    int32_t Reserved12;
    int32_t ActionCode;
    int32_t Flag;
    int32_t Number;
    char Text[UNZ_TEXT_SIZE]; /* NUL-terminated UTF-8 */
} TUnzCallbackRec;

typedef int32_t (*TUnzCallback)(TUnzCallbackRec* rec);

/* One name pattern: entries whose stored names match the wildcard
 * pattern are extracted. */
typedef struct TUnzFileSpec {
    const char* FileSpec;
    char Reserved[72 - sizeof(const char*)];
} TUnzFileSpec;

typedef struct TUnzDllCommand {
    int32_t Reserved0;
    void* Caller; /* handed back in every callback record */
    int32_t Version;
    TUnzCallback Callback;
    int32_t Reserved16;
    int32_t Reserved20;
    const char* Reserved24;
    int32_t Reserved28;
    int32_t Reserved32;
    int32_t Reserved36;
    int32_t Reserved40;
    int32_t Reserved44;
    /* Not 0: every file lands in the current directory under its bare name;
     * 0: stored folder names become sub-folders. */
    int32_t JunkFolderNames;
    int32_t Reserved52;
    int32_t Reserved56;
    int32_t Reserved60;
    int32_t FileSpecCount;
    const char* ArchivePath;        /* NUL-terminated */
    const TUnzFileSpec* FileSpecs;  /* FileSpecCount records; none: the whole archive */
    char Reserved76[28];
    int32_t Reserved104;
    char Reserved108[36];
    int32_t Reserved144;
} TUnzDllCommand;

/* UnzDllExec's result: the number of files written, or one of these. */
#define UNZ_ERROR_ARCHIVE (-1) /* the archive cannot be opened as a zip archive */
#define UNZ_ERROR_COMMAND (-2) /* no record, another version, no callback or no archive path */
#define UNZ_ERROR_FOLDER (-3)  /* the current directory cannot be opened */
#define UNZ_ERROR_INTERNAL (-4) /* out of memory, or the callback threw */

/* Extracts the archive named in the command into the current directory,
 * calling the callback synchronously on the calling thread. */
typedef int32_t (*TUnzDllExec)(TUnzDllCommand* command);
/* UNZ_DLL_VERSION. */
typedef int32_t (*TGetUnzDllVersion)(void);

#define UNZ_DLL_EXEC_NAME "UnzDllExec"
#define UNZ_DLL_VERSION_NAME "GetUnzDllVersion"

#ifdef __cplusplus
}
#endif

#endif
