code unsigned int CstGroup0[] = {
0, 1, 2,  0xffff };          
 code unsigned int CstGroup1[] = {
3, 4,  0xffff };          
 code unsigned int CstGroup2[] = {
 0xffff };          
 code unsigned int Cst_GroupGroup0[] = {
0, 1,  0xffff };         
  code unsigned int Cst_GroupGroup1[] = {
 0xffff };         
  code unsigned int Color_Group0[] = {
255, 0, 0, 
0, 0, 255, 
 0xffff };         
  code unsigned int Color_Group1[] = {
0, 255, 0, 
 0xffff };         
  code unsigned int Color_Group2[] = {
0,0,0, 0xffff };         
  