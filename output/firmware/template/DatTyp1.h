/* Records of the show tables in CData.h (256-Cluster format). */
#ifndef DATTYP1_H
#define DATTYP1_H

#include <DataType.h>

#ifndef CLUSTER_CAPACITY
#define CLUSTER_CAPACITY 256
#endif

typedef struct {
    unsigned char R;
    unsigned char G;
    unsigned char B;
} RGB;

/* One Cluster of a ClusterGroup: its lamp count and lamp numbers. */
typedef struct {
    unsigned int Lmpcnt;
    unsigned int code *pCst;
} CSTG;

/* One record of a show table. Which fields a kind reads:
   MOD_CSTG  StepDelay, StepCnt (steps), Direction, CstCnt, pCstg, ClrCnt,
             pClrgrp, DLY (extra wait per step)
   MOD_FILL  StepDelay, StepCnt (hold time, 100 ms), Direction, CstCnt,
             pCstg, ClrCnt, pClrgrp
   MOD_FADE  StepDelay, StepCnt (colour increment per step), pClrgrp[0] to
             pClrgrp[1], CSTLMPCnt, CST
   MOD_CSTC  StepDelay, StepCnt (steps), Direction, ClrCnt, pClrgrp,
             CSTLMPCnt, CST
   MOD_CSTF  StepDelay, StepCnt (hold time, 100 ms), Direction, ClrCnt,
             pClrgrp, CSTLMPCnt, CST
   MOD_RST   rstClr
   MOD_IDLE  idlTime (100 ms) */
typedef struct {
    unsigned char ModType;
    unsigned int StepDelay;
    unsigned int StepCnt;
    unsigned char Direction;
    unsigned int CstCnt;
    CSTG code *pCstg;
    unsigned int ClrCnt;
    RGB code *pClrgrp;
    RGB rstClr;
    unsigned int idlTime;
    unsigned int CSTLMPCnt;
    unsigned int code *CST;
    unsigned int DLY;
} PTN;

typedef struct {
    unsigned int PortAddr;
    unsigned int StartID;
    unsigned int MiddleID;
    unsigned int EndID;
} PORT;

#endif
