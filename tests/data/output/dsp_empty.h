code unsigned int ShowPattern0[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern1[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern2[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern3[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern4[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern5[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern6[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern7[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern8[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern9[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern10[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern11[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern12[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern13[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern14[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern15[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern16[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern17[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern18[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern19[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern20[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern21[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern22[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern23[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern24[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern25[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern26[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern27[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern28[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern29[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern30[] = {
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern31[] = {
  0xFD,  0x0001, 
 0XFF, };
 