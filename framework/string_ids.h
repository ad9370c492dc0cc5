/* The texts the window layer shows belong to the program: string resources
   under these ids, which the program's resource script fills. Numbered above
   the program's own ids, as Windows frameworks number theirs. Plain #defines:
   windres reads this file too. */
#ifndef FRAMEWORK_STRING_IDS_H
#define FRAMEWORK_STRING_IDS_H

/* The title of the application's message boxes (else the program's file name). */
#define IDS_APP_TITLE               0xE000

/* Data exchange: %1 and %2 stand for the limits. */
#define IDS_FW_NOT_AN_INTEGER       0xF110
#define IDS_FW_INTEGER_RANGE        0xF111
#define IDS_FW_TEXT_TOO_LONG        0xF112

/* A message handler that failed: memory ran out, or anything else. */
#define IDS_FW_OUT_OF_MEMORY        0xF180
#define IDS_FW_HANDLER_FAILED       0xF181

#endif /* FRAMEWORK_STRING_IDS_H */
