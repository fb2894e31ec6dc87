/* The plug-in's C interface as the logging program calls it: plain names, C calling
   convention, 8-bit texts, date-times as {double days; int32 status}. */
#ifndef STATS_API_H
#define STATS_API_H

#include <stdint.h>

#ifdef _WIN32
#define STATS_CALL __cdecl
#define STATS_EXPORT
#else
#define STATS_CALL
#define STATS_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#include "platform/date_time.h"
typedef DateTime StatsDateTime;
extern "C" {
#else
typedef struct {
    double days;
    int32_t status;
} StatsDateTime;
#endif

typedef const char* StatsText;
typedef const StatsDateTime* StatsDate;

STATS_EXPORT int STATS_CALL GetNumberOfSets(void);
STATS_EXPORT const char* STATS_CALL GetSetName(int index);
STATS_EXPORT void STATS_CALL SetupSet0(void);
STATS_EXPORT unsigned STATS_CALL setVersion(StatsText hostVersion);

STATS_EXPORT int STATS_CALL ResetStats0(StatsText hostDirectory, int cabrillo, StatsText ownCall,
                                        StatsDate firstDate, StatsDate secondDate, StatsText p6,
                                        StatsText p7, StatsText p8, StatsText p9, StatsText p10,
                                        StatsText p11, StatsText p12, StatsText p13, StatsText p14,
                                        StatsText ownExchangeSuffix, int p16, int p17, int p18,
                                        double p19, double p20, StatsText p21, StatsText p22,
                                        StatsText p23);

#define STATS_QSO_PARAMETERS                                                                      \
    StatsText ownCall, StatsText call, StatsDate time, StatsDate p4, StatsDate p5, StatsDate p6,  \
        unsigned p7, unsigned frequencyHz, StatsText mode, StatsText rstSent, StatsText rstRcvd,  \
        StatsText exchSent, StatsText exchRcvd, StatsText p14, StatsText p15, StatsText p16,      \
        StatsText p17, StatsText p18, StatsText p19, StatsText p20, StatsText p21, StatsText p22, \
        StatsText prefix, int p24, int p25, int p26, double p27, double p28, StatsText p29,       \
        StatsText extra, StatsText p31, StatsText band, StatsText p33

STATS_EXPORT int STATS_CALL AddData0(STATS_QSO_PARAMETERS);
STATS_EXPORT int STATS_CALL RemoveData0(STATS_QSO_PARAMETERS);

STATS_EXPORT int STATS_CALL CheckCall0(StatsText call, unsigned p2, unsigned p3, StatsText mode,
                                       StatsText p5, StatsText p6, StatsText p7, StatsText p8,
                                       StatsText p9, StatsText p10, StatsText p11, StatsText p12,
                                       StatsText p13, StatsText prefix, int p15, int p16, int p17,
                                       double p18, double p19, StatsText p20, StatsText p21,
                                       StatsText p22, StatsText p23, StatsText p24, StatsText band,
                                       StatsText otherBand, char* buffer27, char* buffer28);

STATS_EXPORT int STATS_CALL GetExchgCount0(StatsText p1, StatsText p2, StatsText p3);
STATS_EXPORT int STATS_CALL IsValidExchg0(StatsText exchange, StatsText p2, StatsText prefix,
                                          StatsText p4, int p5, int p6, int refuse);
STATS_EXPORT const char* STATS_CALL GetResult0(int* score);

/* Pointer types for hosts that load the library at run time. */
typedef int(STATS_CALL* GetNumberOfSetsFn)(void);
typedef const char*(STATS_CALL* GetSetNameFn)(int);
typedef void(STATS_CALL* SetupSet0Fn)(void);
typedef unsigned(STATS_CALL* SetVersionFn)(StatsText);
typedef int(STATS_CALL* ResetStats0Fn)(StatsText, int, StatsText, StatsDate, StatsDate, StatsText,
                                       StatsText, StatsText, StatsText, StatsText, StatsText,
                                       StatsText, StatsText, StatsText, StatsText, int, int, int,
                                       double, double, StatsText, StatsText, StatsText);
typedef int(STATS_CALL* QsoDataFn)(STATS_QSO_PARAMETERS);
typedef int(STATS_CALL* CheckCall0Fn)(StatsText, unsigned, unsigned, StatsText, StatsText,
                                      StatsText, StatsText, StatsText, StatsText, StatsText,
                                      StatsText, StatsText, StatsText, StatsText, int, int, int,
                                      double, double, StatsText, StatsText, StatsText, StatsText,
                                      StatsText, StatsText, StatsText, char*, char*);
typedef int(STATS_CALL* GetExchgCount0Fn)(StatsText, StatsText, StatsText);
typedef int(STATS_CALL* IsValidExchg0Fn)(StatsText, StatsText, StatsText, StatsText, int, int, int);
typedef const char*(STATS_CALL* GetResult0Fn)(int*);

#ifdef __cplusplus
}
#endif

#endif
