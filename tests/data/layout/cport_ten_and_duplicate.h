code unsigned int CPort1[] = {
0xFFFF
 };
code unsigned int CPort2[] = {
109 , 
108 , 107 , 106 , 105 , 104 , 103 , 102 , 101 , 100 , 0xFFFF
 };
code unsigned int CPort3[] = {
0xFFFF
 };
code unsigned int CPort4[] = {
0xFFFF
 };
code unsigned int CPort5[] = {
0xFFFF
 };
code unsigned int CPort6[] = {
0xFFFF
 };
code unsigned int CPort7[] = {
0xFFFF
 };
code unsigned int CPort8[] = {
0xFFFF
 };
code unsigned int CPort9[] = {
0xFFFF
 };
code unsigned int CPort10[] = {
0xFFFF
 };
code unsigned int CPort11[] = {
0xFFFF
 };
code unsigned int CPort12[] = {
5 , 0 , 4 , 0xFFFF
 };
