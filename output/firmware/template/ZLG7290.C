/* Keypad/display chip driver over the I2C master. */
#include <DataType.h>
#include <VIIC_C51.H>
#include <ZLG7290.H>

bit ZLG7290_WriteReg(unsigned char reg, unsigned char dat)
{
    return ISendStr(DISPLAY_ADDR, reg, &dat, 1);
}

bit ZLG7290_cmd(unsigned char cmd0, unsigned char cmd1)
{
    unsigned char buf[2];
    buf[0] = cmd0;
    buf[1] = cmd1;
    return ISendStr(DISPLAY_ADDR, ZLG7290_CMDBUF0, buf, 2);
}

bit ZLG7290_Download(unsigned char pos, bit dp, bit flash, unsigned char dat)
{
    unsigned char cmd0 = (unsigned char)(0x60 | (pos & 0x07));
    unsigned char cmd1 = (unsigned char)(dat & 0x1F);
    if (dp) {
        cmd1 |= 0x80;
    }
    if (flash) {
        cmd1 |= 0x40;
    }
    return ZLG7290_cmd(cmd0, cmd1);
}
