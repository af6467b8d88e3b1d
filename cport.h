code unsigned int CPort1[] = {
70 , 
71 , 72 , 73 , 74 , 75 , 76 , 77 , 78 , 79 , 69 , 
68 , 67 , 66 , 65 , 64 , 63 , 62 , 61 , 60 , 50 , 
51 , 52 , 53 , 54 , 55 , 56 , 57 , 58 , 59 , 49 , 
48 , 47 , 46 , 45 , 44 , 43 , 42 , 41 , 40 , 30 , 
31 , 32 , 33 , 34 , 35 , 36 , 37 , 38 , 39 , 29 , 
28 , 27 , 26 , 25 , 24 , 23 , 22 , 21 , 20 , 10 , 
11 , 12 , 13 , 14 , 15 , 16 , 17 , 18 , 19 , 9 , 
8 , 7 , 6 , 5 , 4 , 3 , 2 , 1 , 0 , 0xFFFF
 };
code unsigned int CPort2[] = {
150 , 
151 , 152 , 153 , 154 , 155 , 156 , 157 , 158 , 159 , 149 , 
148 , 147 , 146 , 145 , 144 , 143 , 142 , 141 , 140 , 130 , 
131 , 132 , 133 , 134 , 135 , 136 , 137 , 138 , 139 , 129 , 
128 , 127 , 126 , 125 , 124 , 123 , 122 , 121 , 120 , 110 , 
111 , 112 , 113 , 114 , 115 , 116 , 117 , 118 , 119 , 109 , 
108 , 107 , 106 , 105 , 104 , 103 , 102 , 101 , 100 , 90 , 
91 , 92 , 93 , 94 , 95 , 96 , 97 , 98 , 99 , 89 , 
88 , 87 , 86 , 85 , 84 , 83 , 82 , 81 , 80 , 0xFFFF
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
0xFFFF
 };
