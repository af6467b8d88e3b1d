/* Constants of the controller program. */
#ifndef DATATYPE_H
#define DATATYPE_H

typedef unsigned char uchar;
typedef unsigned int  uint;

/* Kinds of a show record (PTN.ModType). */
#define MOD_CSTG  0   /* colours over the Clusters of a ClusterGroup */
#define MOD_RST   1   /* every lamp to the reset colour */
#define MOD_IDLE  2   /* wait */
#define MOD_FADE  3   /* one Cluster from colour 1 to colour 2 */
#define MOD_FILL  4   /* fill the Clusters of a ClusterGroup one by one */
#define MOD_CSTC  5   /* colours chased along the lamps of one Cluster */
#define MOD_CSTF  9   /* fill the lamps of one Cluster one by one */
#define MOD_END   99  /* ends a show table */

#define MAX_LMP_PERPORT 200
#define PORT_COUNT      12

#define VAL_ZERO 0x0
#define VAL_P0   0x80
#define VAL_P1   0x90
#define VAL_P2   0xA0

/* Full brightness of the three channels. */
#define ClusterBrightnessDefineR 0x3FF
#define ClusterBrightnessDefineG 0x3FF
#define ClusterBrightnessDefineB 0x3FF

/* EEPROM (I2C device 0xA0): where the program number, the pause state and
   the speed are kept. */
#define EEPROM_ADDR 0xA0
#define ADPT 0x12
#define ADPS 0x13
#define ADSP 0x14

/* Keypad/display chip on the I2C bus. */
#define DISPLAY_ADDR 0x70

#define END_MARK 0xFFFF

#endif
