code unsigned int ShowPattern0[] = {
  0, 64, 10, 200, 0, 2560, 256, 256, 2, 30, 5, 
  0, 255, 10, 200, 0, 512, 612, 1023, 3, 40, 0, 
  0, 85, 0, 0, 0, 2303, 128, 0, 1, 20, 2, 
  0, 256, 0, 0, 0, 2560, 256, 256, 0, 0, 1, 
  0xFD,  0x0001, 
 0XFF, };
 code unsigned int ShowPattern1[] = {
  3, 1, 2, 3, 4, 5,               
  2, 1, 2, 3, 4, 5,               
  1, 1, 2, 3, 4, 5,               
  4, 1, 2, 3, 4, 5,               
  2, 1, 2, 3, 4, 5,               
  5, 6, 0, 7, 8, 9,                 
  7, 0, 1, 2, 3,            
  9, 4, 0, 1, 2,         
  
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
 