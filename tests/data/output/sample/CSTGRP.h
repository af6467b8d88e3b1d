code unsigned int CstGroup0[] = {
4, 5, 14, 15, 24, 25, 34, 35, 44, 45, 
54, 55, 64, 65, 74, 75, 84, 85, 94, 95, 
104, 105, 114, 115, 124, 125, 134, 135, 144, 145, 
154, 155,  0xffff };          
 code unsigned int CstGroup1[] = {
0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 
 0xffff };          
 code unsigned int CstGroup2[] = {
10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 
 0xffff };          
 code unsigned int CstGroup3[] = {
20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 
 0xffff };          
 code unsigned int CstGroup4[] = {
30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 
 0xffff };          
 code unsigned int CstGroup5[] = {
40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 
 0xffff };          
 code unsigned int CstGroup6[] = {
50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 
 0xffff };          
 code unsigned int CstGroup7[] = {
60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 
 0xffff };          
 code unsigned int CstGroup8[] = {
70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 
 0xffff };          
 code unsigned int CstGroup9[] = {
80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 
 0xffff };          
 code unsigned int CstGroup10[] = {
90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 
 0xffff };          
 code unsigned int CstGroup11[] = {
100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 
 0xffff };          
 code unsigned int CstGroup12[] = {
110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 
 0xffff };          
 code unsigned int CstGroup13[] = {
120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 
 0xffff };          
 code unsigned int CstGroup14[] = {
130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 
 0xffff };          
 code unsigned int CstGroup15[] = {
140, 141, 142, 143, 144, 145, 146, 147, 148, 149, 
 0xffff };          
 code unsigned int CstGroup16[] = {
150, 151, 152, 153, 154, 155, 156, 157, 158, 159, 
 0xffff };          
 code unsigned int CstGroup17[] = {
0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 
100, 110, 120, 130, 140, 150, 1, 11, 21, 31, 
41, 51, 61, 71, 81, 91, 101, 111, 121, 131, 
141, 151, 2, 12, 22, 32, 42, 52, 62, 72, 
82, 92, 102, 112, 122, 132, 142, 152, 3, 13, 
23, 33, 43, 53, 63, 73, 83, 93, 103, 113, 
123, 133, 143, 153, 4, 14, 24, 34, 44, 54, 
64, 74, 84, 94, 104, 114, 124, 134, 144, 154, 
5, 15, 25, 35, 45, 55, 65, 75, 85, 95, 
105, 115, 125, 135, 145, 155, 6, 16, 26, 36, 
46, 56, 66, 76, 86, 96, 106, 116, 126, 136, 
146, 156, 7, 17, 27, 37, 47, 57, 67, 77, 
87, 97, 107, 117, 127, 137, 147, 157, 8, 18, 
28, 38, 48, 58, 68, 78, 88, 98, 108, 118, 
128, 138, 148, 158, 9, 19, 29, 39, 49, 59, 
69, 79, 89, 99, 109, 119, 129, 139, 149, 159, 
 0xffff };          
 code unsigned int CstGroup18[] = {
0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 
10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 
20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 
30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 
40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 
50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 
60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 
70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 
 0xffff };          
 code unsigned int CstGroup19[] = {
74,  0xffff };          
 code unsigned int CstGroup20[] = {
64, 73, 75, 84,  0xffff };          
 code unsigned int CstGroup21[] = {
54, 63, 65, 72, 76, 83, 85, 94,  0xffff };          
 code unsigned int CstGroup22[] = {
44, 52, 53, 55, 56, 62, 66, 71, 77, 82, 
86, 92, 93, 95, 96, 104,  0xffff };          
 code unsigned int CstGroup23[] = {
34, 42, 43, 45, 46, 51, 57, 61, 67, 70, 
78, 81, 87, 91, 97, 102, 103, 105, 106, 114, 
 0xffff };          
 code unsigned int CstGroup24[] = {
24, 31, 32, 33, 35, 36, 37, 40, 41, 47, 
48, 50, 58, 60, 68, 79, 80, 88, 90, 98, 
100, 101, 107, 108, 111, 112, 113, 115, 116, 117, 
124,  0xffff };          
 code unsigned int CstGroup25[] = {
14, 21, 22, 23, 25, 26, 27, 30, 38, 49, 
59, 69, 89, 99, 109, 110, 118, 121, 122, 123, 
125, 126, 127, 134,  0xffff };          
 code unsigned int CstGroup26[] = {
4, 11, 12, 13, 15, 16, 17, 20, 28, 39, 
119, 120, 128, 131, 132, 133, 135, 136, 137, 144, 
 0xffff };          
 code unsigned int CstGroup27[] = {
1, 2, 3, 5, 6, 7, 10, 18, 19, 29, 
129, 130, 138, 139, 141, 142, 143, 145, 146, 147, 
154,  0xffff };          
 code unsigned int CstGroup28[] = {
0, 8, 9, 140, 148, 149, 150, 151, 152, 153, 
155, 156, 157, 158,  0xffff };          
 code unsigned int CstGroup29[] = {
159,  0xffff };          
 code unsigned int CstGroup30[] = {
0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 
19, 29, 39, 49, 59, 69, 79, 89, 99, 109, 
119, 129, 139, 149, 159, 158, 157, 156, 155, 154, 
153, 152, 151, 150, 140, 130, 120, 110, 100, 90, 
80, 70, 60, 50, 40, 30, 20, 10,  0xffff };          
 code unsigned int CstGroup31[] = {
44, 55, 66, 77,  0xffff };          
 code unsigned int CstGroup32[] = {
0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 
100, 110, 120, 130, 140, 150,  0xffff };          
 code unsigned int CstGroup33[] = {
1, 11, 21, 31, 41, 51, 61, 71, 81, 91, 
101, 111, 121, 131, 141, 151,  0xffff };          
 code unsigned int CstGroup34[] = {
2, 12, 22, 32, 42, 52, 62, 72, 82, 92, 
102, 112, 122, 132, 142, 152,  0xffff };          
 code unsigned int CstGroup35[] = {
3, 13, 23, 33, 43, 53, 63, 73, 83, 93, 
103, 113, 123, 133, 143, 153,  0xffff };          
 code unsigned int CstGroup36[] = {
4, 14, 24, 34, 44, 54, 64, 74, 84, 94, 
104, 114, 124, 134, 144, 154,  0xffff };          
 code unsigned int CstGroup37[] = {
5, 15, 25, 35, 45, 55, 65, 75, 85, 95, 
105, 115, 125, 135, 145, 155,  0xffff };          
 code unsigned int CstGroup38[] = {
6, 16, 26, 36, 46, 56, 66, 76, 86, 96, 
106, 116, 126, 136, 146, 156,  0xffff };          
 code unsigned int CstGroup39[] = {
7, 17, 27, 37, 47, 57, 67, 77, 87, 97, 
107, 117, 127, 137, 147, 157,  0xffff };          
 code unsigned int CstGroup40[] = {
8, 18, 28, 38, 48, 58, 68, 78, 88, 98, 
108, 118, 128, 138, 148, 158,  0xffff };          
 code unsigned int CstGroup41[] = {
9, 19, 29, 39, 49, 59, 69, 79, 89, 99, 
109, 119, 129, 139, 149, 159,  0xffff };          
 code unsigned int CstGroup42[] = {
 0xffff };          
 code unsigned int CstGroup43[] = {
 0xffff };          
 code unsigned int CstGroup44[] = {
 0xffff };          
 code unsigned int CstGroup45[] = {
 0xffff };          
 code unsigned int CstGroup46[] = {
 0xffff };          
 code unsigned int CstGroup47[] = {
 0xffff };          
 code unsigned int CstGroup48[] = {
 0xffff };          
 code unsigned int CstGroup49[] = {
 0xffff };          
 code unsigned int CstGroup50[] = {
 0xffff };          
 code unsigned int CstGroup51[] = {
 0xffff };          
 code unsigned int CstGroup52[] = {
 0xffff };          
 code unsigned int CstGroup53[] = {
 0xffff };          
 code unsigned int CstGroup54[] = {
 0xffff };          
 code unsigned int CstGroup55[] = {
 0xffff };          
 code unsigned int CstGroup56[] = {
 0xffff };          
 code unsigned int CstGroup57[] = {
 0xffff };          
 code unsigned int CstGroup58[] = {
 0xffff };          
 code unsigned int CstGroup59[] = {
 0xffff };          
 code unsigned int CstGroup60[] = {
 0xffff };          
 code unsigned int CstGroup61[] = {
 0xffff };          
 code unsigned int CstGroup62[] = {
 0xffff };          
 code unsigned int CstGroup63[] = {
 0xffff };          
 code unsigned int CstGroup64[] = {
 0xffff };          
 code unsigned int CstGroup65[] = {
 0xffff };          
 code unsigned int CstGroup66[] = {
 0xffff };          
 code unsigned int CstGroup67[] = {
 0xffff };          
 code unsigned int CstGroup68[] = {
 0xffff };          
 code unsigned int CstGroup69[] = {
 0xffff };          
 code unsigned int CstGroup70[] = {
 0xffff };          
 code unsigned int CstGroup71[] = {
 0xffff };          
 code unsigned int CstGroup72[] = {
 0xffff };          
 code unsigned int CstGroup73[] = {
 0xffff };          
 code unsigned int CstGroup74[] = {
 0xffff };          
 code unsigned int CstGroup75[] = {
 0xffff };          
 code unsigned int CstGroup76[] = {
 0xffff };          
 code unsigned int CstGroup77[] = {
 0xffff };          
 code unsigned int CstGroup78[] = {
 0xffff };          
 code unsigned int CstGroup79[] = {
 0xffff };          
 code unsigned int CstGroup80[] = {
 0xffff };          
 code unsigned int CstGroup81[] = {
 0xffff };          
 code unsigned int CstGroup82[] = {
 0xffff };          
 code unsigned int CstGroup83[] = {
 0xffff };          
 code unsigned int CstGroup84[] = {
 0xffff };          
 code unsigned int CstGroup85[] = {
 0xffff };          
 code unsigned int CstGroup86[] = {
 0xffff };          
 code unsigned int CstGroup87[] = {
 0xffff };          
 code unsigned int CstGroup88[] = {
 0xffff };          
 code unsigned int CstGroup89[] = {
 0xffff };          
 code unsigned int CstGroup90[] = {
 0xffff };          
 code unsigned int CstGroup91[] = {
 0xffff };          
 code unsigned int CstGroup92[] = {
 0xffff };          
 code unsigned int CstGroup93[] = {
 0xffff };          
 code unsigned int CstGroup94[] = {
 0xffff };          
 code unsigned int CstGroup95[] = {
 0xffff };          
 code unsigned int CstGroup96[] = {
 0xffff };          
 code unsigned int CstGroup97[] = {
 0xffff };          
 code unsigned int CstGroup98[] = {
 0xffff };          
 code unsigned int CstGroup99[] = {
 0xffff };          
 code unsigned int CstGroup100[] = {
 0xffff };          
 code unsigned int CstGroup101[] = {
 0xffff };          
 code unsigned int CstGroup102[] = {
 0xffff };          
 code unsigned int CstGroup103[] = {
 0xffff };          
 code unsigned int CstGroup104[] = {
 0xffff };          
 code unsigned int CstGroup105[] = {
 0xffff };          
 code unsigned int CstGroup106[] = {
 0xffff };          
 code unsigned int CstGroup107[] = {
 0xffff };          
 code unsigned int CstGroup108[] = {
 0xffff };          
 code unsigned int CstGroup109[] = {
 0xffff };          
 code unsigned int CstGroup110[] = {
 0xffff };          
 code unsigned int CstGroup111[] = {
 0xffff };          
 code unsigned int CstGroup112[] = {
 0xffff };          
 code unsigned int CstGroup113[] = {
 0xffff };          
 code unsigned int CstGroup114[] = {
 0xffff };          
 code unsigned int CstGroup115[] = {
 0xffff };          
 code unsigned int CstGroup116[] = {
 0xffff };          
 code unsigned int CstGroup117[] = {
 0xffff };          
 code unsigned int CstGroup118[] = {
 0xffff };          
 code unsigned int CstGroup119[] = {
 0xffff };          
 code unsigned int CstGroup120[] = {
 0xffff };          
 code unsigned int CstGroup121[] = {
 0xffff };          
 code unsigned int CstGroup122[] = {
 0xffff };          
 code unsigned int CstGroup123[] = {
 0xffff };          
 code unsigned int CstGroup124[] = {
 0xffff };          
 code unsigned int CstGroup125[] = {
 0xffff };          
 code unsigned int CstGroup126[] = {
 0xffff };          
 code unsigned int CstGroup127[] = {
 0xffff };          
 code unsigned int CstGroup128[] = {
 0xffff };          
 code unsigned int CstGroup129[] = {
 0xffff };          
 code unsigned int CstGroup130[] = {
 0xffff };          
 code unsigned int CstGroup131[] = {
 0xffff };          
 code unsigned int CstGroup132[] = {
 0xffff };          
 code unsigned int CstGroup133[] = {
 0xffff };          
 code unsigned int CstGroup134[] = {
 0xffff };          
 code unsigned int CstGroup135[] = {
 0xffff };          
 code unsigned int CstGroup136[] = {
 0xffff };          
 code unsigned int CstGroup137[] = {
 0xffff };          
 code unsigned int CstGroup138[] = {
 0xffff };          
 code unsigned int CstGroup139[] = {
 0xffff };          
 code unsigned int CstGroup140[] = {
 0xffff };          
 code unsigned int CstGroup141[] = {
 0xffff };          
 code unsigned int CstGroup142[] = {
 0xffff };          
 code unsigned int CstGroup143[] = {
 0xffff };          
 code unsigned int CstGroup144[] = {
 0xffff };          
 code unsigned int CstGroup145[] = {
 0xffff };          
 code unsigned int CstGroup146[] = {
 0xffff };          
 code unsigned int CstGroup147[] = {
 0xffff };          
 code unsigned int CstGroup148[] = {
 0xffff };          
 code unsigned int CstGroup149[] = {
 0xffff };          
 code unsigned int CstGroup150[] = {
 0xffff };          
 code unsigned int CstGroup151[] = {
 0xffff };          
 code unsigned int CstGroup152[] = {
 0xffff };          
 code unsigned int CstGroup153[] = {
 0xffff };          
 code unsigned int CstGroup154[] = {
 0xffff };          
 code unsigned int CstGroup155[] = {
 0xffff };          
 code unsigned int CstGroup156[] = {
 0xffff };          
 code unsigned int CstGroup157[] = {
 0xffff };          
 code unsigned int CstGroup158[] = {
 0xffff };          
 code unsigned int CstGroup159[] = {
 0xffff };          
 code unsigned int CstGroup160[] = {
 0xffff };          
 code unsigned int CstGroup161[] = {
 0xffff };          
 code unsigned int CstGroup162[] = {
 0xffff };          
 code unsigned int CstGroup163[] = {
 0xffff };          
 code unsigned int CstGroup164[] = {
 0xffff };          
 code unsigned int CstGroup165[] = {
 0xffff };          
 code unsigned int CstGroup166[] = {
 0xffff };          
 code unsigned int CstGroup167[] = {
 0xffff };          
 code unsigned int CstGroup168[] = {
 0xffff };          
 code unsigned int CstGroup169[] = {
 0xffff };          
 code unsigned int CstGroup170[] = {
 0xffff };          
 code unsigned int CstGroup171[] = {
 0xffff };          
 code unsigned int CstGroup172[] = {
 0xffff };          
 code unsigned int CstGroup173[] = {
 0xffff };          
 code unsigned int CstGroup174[] = {
 0xffff };          
 code unsigned int CstGroup175[] = {
 0xffff };          
 code unsigned int CstGroup176[] = {
 0xffff };          
 code unsigned int CstGroup177[] = {
 0xffff };          
 code unsigned int CstGroup178[] = {
 0xffff };          
 code unsigned int CstGroup179[] = {
 0xffff };          
 code unsigned int CstGroup180[] = {
 0xffff };          
 code unsigned int CstGroup181[] = {
 0xffff };          
 code unsigned int CstGroup182[] = {
 0xffff };          
 code unsigned int CstGroup183[] = {
 0xffff };          
 code unsigned int CstGroup184[] = {
 0xffff };          
 code unsigned int CstGroup185[] = {
 0xffff };          
 code unsigned int CstGroup186[] = {
 0xffff };          
 code unsigned int CstGroup187[] = {
 0xffff };          
 code unsigned int CstGroup188[] = {
 0xffff };          
 code unsigned int CstGroup189[] = {
 0xffff };          
 code unsigned int CstGroup190[] = {
 0xffff };          
 code unsigned int CstGroup191[] = {
 0xffff };          
 code unsigned int CstGroup192[] = {
 0xffff };          
 code unsigned int CstGroup193[] = {
 0xffff };          
 code unsigned int CstGroup194[] = {
 0xffff };          
 code unsigned int CstGroup195[] = {
 0xffff };          
 code unsigned int CstGroup196[] = {
 0xffff };          
 code unsigned int CstGroup197[] = {
 0xffff };          
 code unsigned int CstGroup198[] = {
 0xffff };          
 code unsigned int CstGroup199[] = {
 0xffff };          
 code unsigned int CstGroup200[] = {
 0xffff };          
 code unsigned int CstGroup201[] = {
 0xffff };          
 code unsigned int CstGroup202[] = {
 0xffff };          
 code unsigned int CstGroup203[] = {
 0xffff };          
 code unsigned int CstGroup204[] = {
 0xffff };          
 code unsigned int CstGroup205[] = {
 0xffff };          
 code unsigned int CstGroup206[] = {
 0xffff };          
 code unsigned int CstGroup207[] = {
 0xffff };          
 code unsigned int CstGroup208[] = {
 0xffff };          
 code unsigned int CstGroup209[] = {
 0xffff };          
 code unsigned int CstGroup210[] = {
 0xffff };          
 code unsigned int CstGroup211[] = {
 0xffff };          
 code unsigned int CstGroup212[] = {
 0xffff };          
 code unsigned int CstGroup213[] = {
 0xffff };          
 code unsigned int CstGroup214[] = {
 0xffff };          
 code unsigned int CstGroup215[] = {
 0xffff };          
 code unsigned int CstGroup216[] = {
 0xffff };          
 code unsigned int CstGroup217[] = {
 0xffff };          
 code unsigned int CstGroup218[] = {
 0xffff };          
 code unsigned int CstGroup219[] = {
 0xffff };          
 code unsigned int CstGroup220[] = {
 0xffff };          
 code unsigned int CstGroup221[] = {
 0xffff };          
 code unsigned int CstGroup222[] = {
 0xffff };          
 code unsigned int CstGroup223[] = {
 0xffff };          
 code unsigned int CstGroup224[] = {
 0xffff };          
 code unsigned int CstGroup225[] = {
 0xffff };          
 code unsigned int CstGroup226[] = {
 0xffff };          
 code unsigned int CstGroup227[] = {
 0xffff };          
 code unsigned int CstGroup228[] = {
 0xffff };          
 code unsigned int CstGroup229[] = {
 0xffff };          
 code unsigned int CstGroup230[] = {
 0xffff };          
 code unsigned int CstGroup231[] = {
 0xffff };          
 code unsigned int CstGroup232[] = {
 0xffff };          
 code unsigned int CstGroup233[] = {
 0xffff };          
 code unsigned int CstGroup234[] = {
 0xffff };          
 code unsigned int CstGroup235[] = {
 0xffff };          
 code unsigned int CstGroup236[] = {
 0xffff };          
 code unsigned int CstGroup237[] = {
 0xffff };          
 code unsigned int CstGroup238[] = {
 0xffff };          
 code unsigned int CstGroup239[] = {
 0xffff };          
 code unsigned int CstGroup240[] = {
 0xffff };          
 code unsigned int CstGroup241[] = {
 0xffff };          
 code unsigned int CstGroup242[] = {
 0xffff };          
 code unsigned int CstGroup243[] = {
 0xffff };          
 code unsigned int CstGroup244[] = {
 0xffff };          
 code unsigned int CstGroup245[] = {
 0xffff };          
 code unsigned int CstGroup246[] = {
 0xffff };          
 code unsigned int CstGroup247[] = {
 0xffff };          
 code unsigned int CstGroup248[] = {
 0xffff };          
 code unsigned int CstGroup249[] = {
 0xffff };          
 code unsigned int CstGroup250[] = {
 0xffff };          
 code unsigned int CstGroup251[] = {
 0xffff };          
 code unsigned int CstGroup252[] = {
 0xffff };          
 code unsigned int CstGroup253[] = {
 0xffff };          
 code unsigned int CstGroup254[] = {
 0xffff };          
 code unsigned int CstGroup255[] = {
 0xffff };          
 code unsigned int CstGroup256[] = {
 0xffff };          
 code unsigned int CstGroup257[] = {
 0xffff };          
 code unsigned int CstGroup258[] = {
 0xffff };          
 code unsigned int CstGroup259[] = {
 0xffff };          
 code unsigned int CstGroup260[] = {
 0xffff };          
 code unsigned int CstGroup261[] = {
 0xffff };          
 code unsigned int CstGroup262[] = {
 0xffff };          
 code unsigned int CstGroup263[] = {
 0xffff };          
 code unsigned int CstGroup264[] = {
 0xffff };          
 code unsigned int CstGroup265[] = {
 0xffff };          
 code unsigned int CstGroup266[] = {
 0xffff };          
 code unsigned int CstGroup267[] = {
 0xffff };          
 code unsigned int CstGroup268[] = {
 0xffff };          
 code unsigned int CstGroup269[] = {
 0xffff };          
 code unsigned int CstGroup270[] = {
 0xffff };          
 code unsigned int CstGroup271[] = {
 0xffff };          
 code unsigned int CstGroup272[] = {
 0xffff };          
 code unsigned int CstGroup273[] = {
 0xffff };          
 code unsigned int CstGroup274[] = {
 0xffff };          
 code unsigned int CstGroup275[] = {
 0xffff };          
 code unsigned int CstGroup276[] = {
 0xffff };          
 code unsigned int CstGroup277[] = {
 0xffff };          
 code unsigned int CstGroup278[] = {
 0xffff };          
 code unsigned int CstGroup279[] = {
 0xffff };          
 code unsigned int CstGroup280[] = {
 0xffff };          
 code unsigned int CstGroup281[] = {
 0xffff };          
 code unsigned int CstGroup282[] = {
 0xffff };          
 code unsigned int CstGroup283[] = {
 0xffff };          
 code unsigned int CstGroup284[] = {
 0xffff };          
 code unsigned int CstGroup285[] = {
 0xffff };          
 code unsigned int CstGroup286[] = {
 0xffff };          
 code unsigned int CstGroup287[] = {
 0xffff };          
 code unsigned int CstGroup288[] = {
 0xffff };          
 code unsigned int CstGroup289[] = {
 0xffff };          
 code unsigned int CstGroup290[] = {
 0xffff };          
 code unsigned int CstGroup291[] = {
 0xffff };          
 code unsigned int CstGroup292[] = {
 0xffff };          
 code unsigned int CstGroup293[] = {
 0xffff };          
 code unsigned int CstGroup294[] = {
 0xffff };          
 code unsigned int CstGroup295[] = {
 0xffff };          
 code unsigned int CstGroup296[] = {
 0xffff };          
 code unsigned int CstGroup297[] = {
 0xffff };          
 code unsigned int CstGroup298[] = {
 0xffff };          
 code unsigned int CstGroup299[] = {
 0xffff };          
 code unsigned int CstGroup300[] = {
 0xffff };          
 code unsigned int CstGroup301[] = {
 0xffff };          
 code unsigned int CstGroup302[] = {
 0xffff };          
 code unsigned int CstGroup303[] = {
 0xffff };          
 code unsigned int CstGroup304[] = {
 0xffff };          
 code unsigned int CstGroup305[] = {
 0xffff };          
 code unsigned int CstGroup306[] = {
 0xffff };          
 code unsigned int CstGroup307[] = {
 0xffff };          
 code unsigned int CstGroup308[] = {
 0xffff };          
 code unsigned int CstGroup309[] = {
 0xffff };          
 code unsigned int CstGroup310[] = {
 0xffff };          
 code unsigned int CstGroup311[] = {
 0xffff };          
 code unsigned int CstGroup312[] = {
 0xffff };          
 code unsigned int CstGroup313[] = {
 0xffff };          
 code unsigned int CstGroup314[] = {
 0xffff };          
 code unsigned int CstGroup315[] = {
 0xffff };          
 code unsigned int CstGroup316[] = {
 0xffff };          
 code unsigned int CstGroup317[] = {
 0xffff };          
 code unsigned int CstGroup318[] = {
 0xffff };          
 code unsigned int CstGroup319[] = {
 0xffff };          
 code unsigned int CstGroup320[] = {
 0xffff };          
 code unsigned int CstGroup321[] = {
 0xffff };          
 code unsigned int CstGroup322[] = {
 0xffff };          
 code unsigned int CstGroup323[] = {
 0xffff };          
 code unsigned int CstGroup324[] = {
 0xffff };          
 code unsigned int CstGroup325[] = {
 0xffff };          
 code unsigned int CstGroup326[] = {
 0xffff };          
 code unsigned int CstGroup327[] = {
 0xffff };          
 code unsigned int CstGroup328[] = {
 0xffff };          
 code unsigned int CstGroup329[] = {
 0xffff };          
 code unsigned int CstGroup330[] = {
 0xffff };          
 code unsigned int CstGroup331[] = {
 0xffff };          
 code unsigned int CstGroup332[] = {
 0xffff };          
 code unsigned int CstGroup333[] = {
 0xffff };          
 code unsigned int CstGroup334[] = {
 0xffff };          
 code unsigned int CstGroup335[] = {
 0xffff };          
 code unsigned int CstGroup336[] = {
 0xffff };          
 code unsigned int CstGroup337[] = {
 0xffff };          
 code unsigned int CstGroup338[] = {
 0xffff };          
 code unsigned int CstGroup339[] = {
 0xffff };          
 code unsigned int CstGroup340[] = {
 0xffff };          
 code unsigned int CstGroup341[] = {
 0xffff };          
 code unsigned int CstGroup342[] = {
 0xffff };          
 code unsigned int CstGroup343[] = {
 0xffff };          
 code unsigned int CstGroup344[] = {
 0xffff };          
 code unsigned int CstGroup345[] = {
 0xffff };          
 code unsigned int CstGroup346[] = {
 0xffff };          
 code unsigned int CstGroup347[] = {
 0xffff };          
 code unsigned int CstGroup348[] = {
 0xffff };          
 code unsigned int CstGroup349[] = {
 0xffff };          
 code unsigned int CstGroup350[] = {
 0xffff };          
 code unsigned int CstGroup351[] = {
 0xffff };          
 code unsigned int CstGroup352[] = {
 0xffff };          
 code unsigned int CstGroup353[] = {
 0xffff };          
 code unsigned int CstGroup354[] = {
 0xffff };          
 code unsigned int CstGroup355[] = {
 0xffff };          
 code unsigned int CstGroup356[] = {
 0xffff };          
 code unsigned int CstGroup357[] = {
 0xffff };          
 code unsigned int CstGroup358[] = {
 0xffff };          
 code unsigned int CstGroup359[] = {
 0xffff };          
 code unsigned int CstGroup360[] = {
 0xffff };          
 code unsigned int CstGroup361[] = {
 0xffff };          
 code unsigned int CstGroup362[] = {
 0xffff };          
 code unsigned int CstGroup363[] = {
 0xffff };          
 code unsigned int CstGroup364[] = {
 0xffff };          
 code unsigned int CstGroup365[] = {
 0xffff };          
 code unsigned int CstGroup366[] = {
 0xffff };          
 code unsigned int CstGroup367[] = {
 0xffff };          
 code unsigned int CstGroup368[] = {
 0xffff };          
 code unsigned int CstGroup369[] = {
 0xffff };          
 code unsigned int CstGroup370[] = {
 0xffff };          
 code unsigned int CstGroup371[] = {
 0xffff };          
 code unsigned int CstGroup372[] = {
 0xffff };          
 code unsigned int CstGroup373[] = {
 0xffff };          
 code unsigned int CstGroup374[] = {
 0xffff };          
 code unsigned int CstGroup375[] = {
 0xffff };          
 code unsigned int CstGroup376[] = {
 0xffff };          
 code unsigned int CstGroup377[] = {
 0xffff };          
 code unsigned int CstGroup378[] = {
 0xffff };          
 code unsigned int CstGroup379[] = {
 0xffff };          
 code unsigned int CstGroup380[] = {
 0xffff };          
 code unsigned int CstGroup381[] = {
 0xffff };          
 code unsigned int CstGroup382[] = {
 0xffff };          
 code unsigned int CstGroup383[] = {
 0xffff };          
 code unsigned int CstGroup384[] = {
 0xffff };          
 code unsigned int CstGroup385[] = {
 0xffff };          
 code unsigned int CstGroup386[] = {
 0xffff };          
 code unsigned int CstGroup387[] = {
 0xffff };          
 code unsigned int CstGroup388[] = {
 0xffff };          
 code unsigned int CstGroup389[] = {
 0xffff };          
 code unsigned int CstGroup390[] = {
 0xffff };          
 code unsigned int CstGroup391[] = {
 0xffff };          
 code unsigned int CstGroup392[] = {
 0xffff };          
 code unsigned int CstGroup393[] = {
 0xffff };          
 code unsigned int CstGroup394[] = {
 0xffff };          
 code unsigned int CstGroup395[] = {
 0xffff };          
 code unsigned int CstGroup396[] = {
 0xffff };          
 code unsigned int CstGroup397[] = {
 0xffff };          
 code unsigned int CstGroup398[] = {
 0xffff };          
 code unsigned int CstGroup399[] = {
 0xffff };          
 code unsigned int CstGroup400[] = {
 0xffff };          
 code unsigned int CstGroup401[] = {
 0xffff };          
 code unsigned int CstGroup402[] = {
 0xffff };          
 code unsigned int CstGroup403[] = {
 0xffff };          
 code unsigned int CstGroup404[] = {
 0xffff };          
 code unsigned int CstGroup405[] = {
 0xffff };          
 code unsigned int CstGroup406[] = {
 0xffff };          
 code unsigned int CstGroup407[] = {
 0xffff };          
 code unsigned int CstGroup408[] = {
 0xffff };          
 code unsigned int CstGroup409[] = {
 0xffff };          
 code unsigned int CstGroup410[] = {
 0xffff };          
 code unsigned int CstGroup411[] = {
 0xffff };          
 code unsigned int CstGroup412[] = {
 0xffff };          
 code unsigned int CstGroup413[] = {
 0xffff };          
 code unsigned int CstGroup414[] = {
 0xffff };          
 code unsigned int CstGroup415[] = {
 0xffff };          
 code unsigned int CstGroup416[] = {
 0xffff };          
 code unsigned int CstGroup417[] = {
 0xffff };          
 code unsigned int CstGroup418[] = {
 0xffff };          
 code unsigned int CstGroup419[] = {
 0xffff };          
 code unsigned int CstGroup420[] = {
 0xffff };          
 code unsigned int CstGroup421[] = {
 0xffff };          
 code unsigned int CstGroup422[] = {
 0xffff };          
 code unsigned int CstGroup423[] = {
 0xffff };          
 code unsigned int CstGroup424[] = {
 0xffff };          
 code unsigned int CstGroup425[] = {
 0xffff };          
 code unsigned int CstGroup426[] = {
 0xffff };          
 code unsigned int CstGroup427[] = {
 0xffff };          
 code unsigned int CstGroup428[] = {
 0xffff };          
 code unsigned int CstGroup429[] = {
 0xffff };          
 code unsigned int CstGroup430[] = {
 0xffff };          
 code unsigned int CstGroup431[] = {
 0xffff };          
 code unsigned int CstGroup432[] = {
 0xffff };          
 code unsigned int CstGroup433[] = {
 0xffff };          
 code unsigned int CstGroup434[] = {
 0xffff };          
 code unsigned int CstGroup435[] = {
 0xffff };          
 code unsigned int CstGroup436[] = {
 0xffff };          
 code unsigned int CstGroup437[] = {
 0xffff };          
 code unsigned int CstGroup438[] = {
 0xffff };          
 code unsigned int CstGroup439[] = {
 0xffff };          
 code unsigned int CstGroup440[] = {
 0xffff };          
 code unsigned int CstGroup441[] = {
 0xffff };          
 code unsigned int CstGroup442[] = {
 0xffff };          
 code unsigned int CstGroup443[] = {
 0xffff };          
 code unsigned int CstGroup444[] = {
 0xffff };          
 code unsigned int CstGroup445[] = {
 0xffff };          
 code unsigned int CstGroup446[] = {
 0xffff };          
 code unsigned int CstGroup447[] = {
 0xffff };          
 code unsigned int CstGroup448[] = {
 0xffff };          
 code unsigned int CstGroup449[] = {
 0xffff };          
 code unsigned int CstGroup450[] = {
 0xffff };          
 code unsigned int CstGroup451[] = {
 0xffff };          
 code unsigned int CstGroup452[] = {
 0xffff };          
 code unsigned int CstGroup453[] = {
 0xffff };          
 code unsigned int CstGroup454[] = {
 0xffff };          
 code unsigned int CstGroup455[] = {
 0xffff };          
 code unsigned int CstGroup456[] = {
 0xffff };          
 code unsigned int CstGroup457[] = {
 0xffff };          
 code unsigned int CstGroup458[] = {
 0xffff };          
 code unsigned int CstGroup459[] = {
 0xffff };          
 code unsigned int CstGroup460[] = {
 0xffff };          
 code unsigned int CstGroup461[] = {
 0xffff };          
 code unsigned int CstGroup462[] = {
 0xffff };          
 code unsigned int CstGroup463[] = {
 0xffff };          
 code unsigned int CstGroup464[] = {
 0xffff };          
 code unsigned int CstGroup465[] = {
 0xffff };          
 code unsigned int CstGroup466[] = {
 0xffff };          
 code unsigned int CstGroup467[] = {
 0xffff };          
 code unsigned int CstGroup468[] = {
 0xffff };          
 code unsigned int CstGroup469[] = {
 0xffff };          
 code unsigned int CstGroup470[] = {
 0xffff };          
 code unsigned int CstGroup471[] = {
 0xffff };          
 code unsigned int CstGroup472[] = {
 0xffff };          
 code unsigned int CstGroup473[] = {
 0xffff };          
 code unsigned int CstGroup474[] = {
 0xffff };          
 code unsigned int CstGroup475[] = {
 0xffff };          
 code unsigned int CstGroup476[] = {
 0xffff };          
 code unsigned int CstGroup477[] = {
 0xffff };          
 code unsigned int CstGroup478[] = {
 0xffff };          
 code unsigned int CstGroup479[] = {
 0xffff };          
 code unsigned int CstGroup480[] = {
 0xffff };          
 code unsigned int CstGroup481[] = {
 0xffff };          
 code unsigned int CstGroup482[] = {
 0xffff };          
 code unsigned int CstGroup483[] = {
 0xffff };          
 code unsigned int CstGroup484[] = {
 0xffff };          
 code unsigned int CstGroup485[] = {
 0xffff };          
 code unsigned int CstGroup486[] = {
 0xffff };          
 code unsigned int CstGroup487[] = {
 0xffff };          
 code unsigned int CstGroup488[] = {
 0xffff };          
 code unsigned int CstGroup489[] = {
 0xffff };          
 code unsigned int CstGroup490[] = {
 0xffff };          
 code unsigned int CstGroup491[] = {
 0xffff };          
 code unsigned int CstGroup492[] = {
 0xffff };          
 code unsigned int CstGroup493[] = {
 0xffff };          
 code unsigned int CstGroup494[] = {
 0xffff };          
 code unsigned int CstGroup495[] = {
 0xffff };          
 code unsigned int CstGroup496[] = {
 0xffff };          
 code unsigned int CstGroup497[] = {
 0xffff };          
 code unsigned int CstGroup498[] = {
 0xffff };          
 code unsigned int CstGroup499[] = {
 0xffff };          
 code unsigned int CstGroup500[] = {
 0xffff };          
 code unsigned int CstGroup501[] = {
 0xffff };          
 code unsigned int CstGroup502[] = {
 0xffff };          
 code unsigned int CstGroup503[] = {
 0xffff };          
 code unsigned int CstGroup504[] = {
 0xffff };          
 code unsigned int CstGroup505[] = {
 0xffff };          
 code unsigned int CstGroup506[] = {
 0xffff };          
 code unsigned int CstGroup507[] = {
 0xffff };          
 code unsigned int CstGroup508[] = {
 0xffff };          
 code unsigned int CstGroup509[] = {
 0xffff };          
 code unsigned int CstGroup510[] = {
 0xffff };          
 code unsigned int CstGroup511[] = {
 0xffff };          
 code unsigned int Cst_GroupGroup0[] = {
1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 
11, 12, 13, 14, 15, 16,  0xffff };         
  code unsigned int Cst_GroupGroup1[] = {
19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 
29,  0xffff };         
  code unsigned int Cst_GroupGroup2[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup3[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup4[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup5[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup6[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup7[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup8[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup9[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup10[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup11[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup12[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup13[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup14[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup15[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup16[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup17[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup18[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup19[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup20[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup21[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup22[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup23[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup24[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup25[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup26[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup27[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup28[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup29[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup30[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup31[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup32[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup33[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup34[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup35[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup36[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup37[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup38[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup39[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup40[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup41[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup42[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup43[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup44[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup45[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup46[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup47[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup48[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup49[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup50[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup51[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup52[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup53[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup54[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup55[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup56[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup57[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup58[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup59[] = {
 0xffff };         
  code unsigned int Cst_GroupGroup60[] = {
 0xffff };         
  code unsigned int Color_Group0[] = {
255, 0, 0, 
0, 255, 0, 
0, 0, 255, 
 0xffff };         
  code unsigned int Color_Group1[] = {
255, 255, 0, 
255, 0, 255, 
 0xffff };         
  code unsigned int Color_Group2[] = {
255, 0, 0, 
255, 128, 0, 
255, 255, 0, 
 0xffff };         
  code unsigned int Color_Group3[] = {
0, 255, 255, 
0, 0, 255, 
 0xffff };         
  code unsigned int Color_Group4[] = {
0, 255, 0, 
0, 0, 255, 
 0xffff };         
  code unsigned int Color_Group5[] = {
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
255, 0, 0, 
 0xffff };         
  code unsigned int Color_Group6[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group7[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group8[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group9[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group10[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group11[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group12[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group13[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group14[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group15[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group16[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group17[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group18[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group19[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group20[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group21[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group22[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group23[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group24[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group25[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group26[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group27[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group28[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group29[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group30[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group31[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group32[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group33[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group34[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group35[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group36[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group37[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group38[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group39[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group40[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group41[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group42[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group43[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group44[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group45[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group46[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group47[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group48[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group49[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group50[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group51[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group52[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group53[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group54[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group55[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group56[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group57[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group58[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group59[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group60[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group61[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group62[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group63[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group64[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group65[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group66[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group67[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group68[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group69[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group70[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group71[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group72[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group73[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group74[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group75[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group76[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group77[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group78[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group79[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group80[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group81[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group82[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group83[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group84[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group85[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group86[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group87[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group88[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group89[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group90[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group91[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group92[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group93[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group94[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group95[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group96[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group97[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group98[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group99[] = {
0,0,0, 0xffff };         
  code unsigned int Color_Group100[] = {
0,0,0, 0xffff };         
  