code unsigned int ShowPattern0[] = {
  0, 64, 10, 200, 0, 2560, 256, 256, 2, 30, 1, 
  1, 0, 0, 5, 4, 20,               
  2, 0, 1, 5, 4, 20,               
  3, 0, 0, 6, 2, 10,               
  4, 0, 1, 6, 2, 10,               
  5, 0, 0, 7, 3, 11,                 
  6, 1, 1, 7, 3, 11,                 
  254, 5,             
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern1[] = {
  7, 0, 1, 8, 12,            
  8, 0, 0, 8, 12,            
  9, 1, 0, 9, 13,         
  10, 0, 1, 9, 13,         
  253, 4,             
  255, 
  0, 85, 0, 0, 0, 512, 612, 1023, 3, 40, 0, 
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
 