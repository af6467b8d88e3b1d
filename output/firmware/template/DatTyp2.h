/* Records of the show tables in CData.h (512-Cluster formats). The records
   are those of the 256-Cluster format; only the capacity differs. */
#ifndef DATTYP2_H
#define DATTYP2_H

#define CLUSTER_CAPACITY 512
#include <DatTyp1.h>

#endif
