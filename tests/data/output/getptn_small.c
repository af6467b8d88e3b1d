#include "CstGrp1.H"   
#include "DspPtn1.H"  
int GetClusterData(int CstGrpNum, int CstGrpCount){  
  unsigned int data GetCstDataTemp; 
  switch(CstGrpNum){   
    case   0:  
      GetCstDataTemp = CstGroup0[CstGrpCount];   
      break; 
    case   1:  
      GetCstDataTemp = CstGroup1[CstGrpCount];   
      break; 
    default:  
      GetCstDataTemp = 0xFFFF;
     break; }   
  return(GetCstDataTemp);       
 }            
       
int GetClusterDataGroup(int CstGrpNum, int CstGrpCount){ 
  unsigned int data GetCstDataTemp;    
   switch(CstGrpNum){      
    case   0: 
      GetCstDataTemp = Cst_GroupGroup0[CstGrpCount];  
      break;                      
    default:  
      GetCstDataTemp = 0xFFFF;  
      break; }  
  return(GetCstDataTemp);           
 }                    
int GetColorData(int CstGrpNum, int CstGrpCount){  
  unsigned int data GetCstDataTemp;  
  switch(CstGrpNum){  
    case   0: 
      GetCstDataTemp = Color_Group0[CstGrpCount];   
      break;                      
    default:
      GetCstDataTemp = 0xFFFF;   
      break; }  
  return(GetCstDataTemp);            
}                  

int GetShowPattern(int SPpoint){    return(ShowPattern[SPpoint]);            }    

int GetCPort1(int i){       return(CPort1[i]);             }               
 
int GetCPort2(int i){       return(CPort2[i]);             }               
 
int GetCPort3(int i){       return(CPort3[i]);             }               
 
int GetCPort4(int i){       return(CPort4[i]);             }               
 
int GetCPort5(int i){       return(CPort5[i]);             }               
 
int GetCPort6(int i){       return(CPort6[i]);             }               
 
int GetCPort7(int i){       return(CPort7[i]);             }               
 
int GetCPort8(int i){       return(CPort8[i]);             }               
 
int GetCPort9(int i){       return(CPort9[i]);             }               
 
int GetCPort10(int i){       return(CPort10[i]);             }               
 
int GetCPort11(int i){       return(CPort11[i]);             }               
 
int GetCPort12(int i){       return(CPort12[i]);             }               
 