#include <DatTyp1.h>
#define TOTLMPCNT	 5
#define PTNCNT1		 7
#define PTNCNT2		 5
#define PTNCNT3		 0
#define PTNCNT4		 0
#define PTNCNT5		 0
#define PTNCNT6		 0
#define PTNCNT7		 0
#define PTNCNT8		 0
#define PTNCNT9		 0
#define PTNCNT10		 0
#define PTNCNT11		 0
#define PTNCNT12		 0
#define PTNCNT13		 0
#define PTNCNT14		 0
#define PTNCNT15		 0
#define PTNCNT16		 0
#define PTNCNT17		 0
#define PTNCNT18		 0
#define PTNCNT19		 0
#define PTNCNT20		 0
#define PTNCNT21		 0
#define PTNCNT22		 0
#define PTNCNT23		 0
#define PTNCNT24		 0
#define PTNCNT25		 0
#define PTNCNT26		 0
#define PTNCNT27		 0
#define PTNCNT28		 0
#define PTNCNT29		 0
#define PTNCNT30		 0
#define PTNCNT31		 0
#define PTNCNT32		 0
code unsigned int Port0[5]={1,1,0,3,3};
code unsigned int Port1[5]={3,1,3,5,2};
code unsigned int Port2[5]={5,1,5,5,0};
code unsigned int Port3[5]={7,1,5,5,0};
code unsigned int Port4[5]={9,1,5,5,0};
code unsigned int Port5[5]={11,1,5,5,0};
code unsigned int CST0[]={0,1,2};
code unsigned int CST1[]={3,4};
code CSTG CSTG0[]={{3,CST0},{2,CST1}};
code RGB CLRGRP0[]={{255,0,0},{0,0,255}};
code RGB CLRGRP1[]={{0,255,0}};
code RGB CLRGRP2[]={{10,200,0},{512,256,256}};
code RGB CLRGRP3[]={{0,0,0},{0,100,255}};
code PTN ShowPtn1[7]={{3,2,64,0,0,0,2,CLRGRP2,{0,0,0},0,2,CST1},{0,5,4,0,2,CSTG0,2,CLRGRP0,{0,0,0},0,0,0},{0,5,4,1,2,CSTG0,1,CLRGRP1,{0,0,0},0,0,0},{0,6,2,1,2,CSTG0,2,CLRGRP0,{0,0,0},0,0,0},{0,6,2,1,2,CSTG0,1,CLRGRP1,{0,0,0},0,0,0},{5,7,3,0,0,0,2,CLRGRP0,{0,0,0},0,3,CST0},{5,7,3,1,0,0,1,CLRGRP1,{0,0,0},0,2,CST1}};
code PTN ShowPtn2[5]={{4,8,12,0,2,CSTG0,1,CLRGRP1,{0,0,0},0,0,0},{4,8,12,1,2,CSTG0,2,CLRGRP0,{0,0,0},0,0,0},{9,9,13,0,0,0,2,CLRGRP0,{0,0,0},0,2,CST1},{9,9,13,1,0,0,1,CLRGRP1,{0,0,0},0,3,CST0},{3,3,85,0,0,0,2,CLRGRP3,{0,0,0},0,3,CST0}};
code PTN ShowPtn3[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn4[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn5[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn6[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn7[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn8[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn9[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn10[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn11[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn12[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn13[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn14[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn15[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn16[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn17[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn18[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn19[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn20[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn21[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn22[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn23[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn24[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn25[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn26[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn27[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn28[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn29[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn30[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn31[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
code PTN ShowPtn32[1]={{99, 0, 0,0,0,0,0,0,{0,0,0},0,0,0}};
