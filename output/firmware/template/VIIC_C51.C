/* Bit-banged I2C master. SCL is only ever driven by us; SDA is released
   (written 1) whenever the slave is to answer. */
#include <REG52.H>
#include <INTRINS.H>
#include <VIIC_C51.H>

SBIT(SDA, 0x90, 7);
SBIT(SCL, 0x90, 6);

static bit ack;

/* About 5 us at 16 MHz, enough for a 100 kHz bus. */
static void Half(void)
{
    _nop_(); _nop_(); _nop_(); _nop_(); _nop_();
}

static void Start_I2c(void)
{
    SDA = 1;
    SCL = 1;
    Half();
    SDA = 0;
    Half();
    SCL = 0;
    Half();
}

static void Stop_I2c(void)
{
    SDA = 0;
    Half();
    SCL = 1;
    Half();
    SDA = 1;
    Half();
}

/* Sends one byte and samples the acknowledge into `ack`. */
static void SendByte(unsigned char c)
{
    unsigned char n;
    for (n = 0; n < 8; n++) {
        SDA = (c & 0x80) ? 1 : 0;
        c <<= 1;
        Half();
        SCL = 1;
        Half();
        SCL = 0;
    }
    SDA = 1;
    Half();
    SCL = 1;
    Half();
    ack = SDA ? 0 : 1;
    SCL = 0;
    Half();
}

static unsigned char RcvByte(void)
{
    unsigned char n;
    unsigned char c = 0;
    SDA = 1;
    for (n = 0; n < 8; n++) {
        Half();
        SCL = 1;
        Half();
        c = (unsigned char)(c << 1);
        if (SDA) {
            c |= 1;
        }
        SCL = 0;
    }
    return c;
}

/* Answers a received byte: 0 acknowledges (more to come), 1 ends. */
static void Ack_I2c(bit a)
{
    SDA = a;
    Half();
    SCL = 1;
    Half();
    SCL = 0;
    SDA = 1;
    Half();
}

bit ISendByte(unsigned char sla, unsigned char c)
{
    Start_I2c();
    SendByte(sla);
    if (ack) {
        SendByte(c);
    }
    Stop_I2c();
    return ack;
}

bit ISendStr(unsigned char sla, unsigned char suba, unsigned char *s, unsigned char no)
{
    Start_I2c();
    SendByte(sla);
    if (ack) {
        SendByte(suba);
    }
    while (ack && no) {
        SendByte(*s);
        s++;
        no--;
    }
    Stop_I2c();
    return ack;
}

bit IRcvByte(unsigned char sla, unsigned char *c)
{
    Start_I2c();
    SendByte((unsigned char)(sla + 1));
    if (ack) {
        *c = RcvByte();
        Ack_I2c(1);
    }
    Stop_I2c();
    return ack;
}

bit IRcvStr(unsigned char sla, unsigned char suba, unsigned char *s, unsigned char no)
{
    Start_I2c();
    SendByte(sla);
    if (ack) {
        SendByte(suba);
    }
    if (ack) {
        Start_I2c();
        SendByte((unsigned char)(sla + 1));
    }
    if (ack) {
        while (no) {
            *s = RcvByte();
            s++;
            no--;
            Ack_I2c(no ? 0 : 1);
        }
    }
    Stop_I2c();
    return ack;
}
